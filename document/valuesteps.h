#pragma once
// The placement and print values in the history. The pages set them through
// the job's setters, a typed number digit by digit; the watch records each
// change the job signals, and changes of the same number that follow one
// another become one step.

#include "document/printvalues.h"
#include "paper/placement.h"

#include <QObject>

class CoverJob;
class JobHistory;

class ValueWatch : public QObject {
    Q_OBJECT
  public:
    ValueWatch(CoverJob& job, JobHistory& history);
    // Takes the job's values as the known ones: what the history sets itself,
    // or a new or opened job brings, is no change of the user's.
    void takeJobValues();

  private:
    void placementChanged();
    void printValuesChanged();

    CoverJob& job_;
    JobHistory& history_;
    PlacementValues placement_;
    PrintValues printValues_;
};
