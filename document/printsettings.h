#pragma once
// What a reprint needs beyond the image and the objects: where the image sits on
// the label, the sheet and print values and the paper format with its label
// shape. A cover file keeps them after the image, so a job opened again prints
// as it printed before.

#include "document/printvalues.h"
#include "paper/discformat.h"
#include "paper/labelshape.h"
#include "paper/papertype.h"
#include "paper/placement.h"

#include <optional>

struct PrintSettings {
    PlacementValues placement;
    PrintValues values;
    // The job's paper format; none when the catalogue offered none.
    std::optional<PaperType> paper;
    // Its label shape, when one is known; never without a paper format.
    std::optional<LabelShape> shape;
    // The disc the job prints onto instead of the paper format's sheets.
    std::optional<DiscFormat> disc = std::nullopt;
};
