#pragma once
// The placement and print values in the history. The pages hand the job each
// value the user types, digit by digit; changes of the same number that follow
// one another become one step. Values the program sets itself (those a paper
// format or an opened job brings, or those brought back into the range the
// sheet allows) go through the job's own setters and are no step.

#include "document/printvalues.h"
#include "paper/placement.h"

class CoverJob;

// Sets the job's placement or print values as the user's step, named after
// what changed; nothing when the job holds them already.
void setPlacementAsStep(CoverJob& job, const PlacementValues& values);
void setPrintValuesAsStep(CoverJob& job, const PrintValues& values);
