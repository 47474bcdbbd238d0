#pragma once
// The values of the "Drucken" page: where on the sheets a job goes, which
// sheet the preview shows and whether the print keeps to the label shape, and
// the rules that keep them within a paper format's sheet.
//
// A job fills the global positions used .. used + copies − 1 of sheets with
// N = CountX × CountY positions each.

#include "paper/labelshape.h"
#include "paper/papertype.h"

#include <cstdint>
#include <optional>

struct PrintValues {
    int used = 0;   // positions of the first sheet already used
    int copies = 1; // copies to print
    int sheet = 1;  // the sheet the preview shows, from 1
    // Image and objects are cut to the label's shape (formats with a known shape only).
    bool clipToShape = false;
    friend bool operator==(const PrintValues&, const PrintValues&) = default;
};

// Positions per sheet, or 0 when the format has no usable grid (counts below 1
// can come from a foreign paper.dat).
int64_t positionsPerSheet(const PaperType& paper);

// used at most N − 1, so that one position of the first sheet stays free;
// sheet at most the number of sheets.
PrintValues correctJobValues(const PaperType& paper, const PrintValues& values);
int64_t sheetCount(const PaperType& paper, const PrintValues& values);

// Whether labels of a newly chosen format print inside their shape: those for
// a disc do, so that its hole stays free; others print whole.
bool clipsToShapeByDefault(const std::optional<LabelShape>& shape);
