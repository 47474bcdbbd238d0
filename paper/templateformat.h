#pragma once
// A label template as paper formats of the catalogue: one format per layout
// grid. Margins are the grid's first corner, pitches its steps (the label's
// size where a count is 1), the label size the shape's bounding box. The name
// is "brand part", or "brand part (1)", "(2)", … for a sheet of several grids,
// cut to what paper.dat holds.

#include "paper/labelshape.h"
#include "paper/labeltemplate.h"
#include "paper/papertype.h"

#include <vector>

struct TemplateFormat {
    PaperType paper;
    LabelShape shape;
    QString name; // the full name, before paper.dat cuts it
};

std::vector<TemplateFormat> paperFormatsOf(const LabelTemplate& label);
