#pragma once
// The "Zentrieren" page: the paper format and the placement of the image on one
// label, shown in the placement view.

#include "app/pageframe.h"

class PaintBox;
class ScrollBox;
class TMainForm;

class PlacementPage : public PageFrame {
    Q_OBJECT
  public:
    explicit PlacementPage(TMainForm& form);

    ScrollBox* ScrollBox2 = nullptr;
    PaintBox* PaintBox2 = nullptr;

  private:
    TMainForm& form_;
};
