#pragma once
// The paper format the print tests share.

#include "paper/papertype.h"

// 2 × 5 labels of 90 × 55 mm, margins 10 and 12 mm, pitch 92 × 58 mm.
inline PaperType twoByFive() {
    PaperType paper;
    paper.LeftMargin = 10;
    paper.TopMargin = 12;
    paper.StepX = 92;
    paper.StepY = 58;
    paper.LabelWidth = 90;
    paper.LabelHeight = 55;
    paper.CountX = 2;
    paper.CountY = 5;
    return paper;
}
