#include "document/printvalues.h"

int64_t positionsPerSheet(const PaperType& paper) {
    if (paper.CountX < 1 || paper.CountY < 1) return 0;
    return int64_t(paper.CountX) * paper.CountY;
}

int64_t sheetCount(const PaperType& paper, const PrintValues& values) {
    const int64_t perSheet = positionsPerSheet(paper);
    if (perSheet == 0) return 1;
    const int64_t last = int64_t(values.used) + values.copies - 1;
    return last / perSheet + 1;
}

PrintValues correctJobValues(const PaperType& paper, const PrintValues& values) {
    PrintValues corrected = values;
    const int64_t perSheet = positionsPerSheet(paper);
    if (perSheet > 0 && corrected.used >= perSheet - 1) corrected.used = int(perSheet - 1);
    const int64_t sheets = sheetCount(paper, corrected);
    if (corrected.sheet > sheets) corrected.sheet = int(sheets);
    return corrected;
}

bool clipsToShapeByDefault(const std::optional<LabelShape>& shape) {
    return shape && shape->kind == LabelShape::Kind::Disc;
}
