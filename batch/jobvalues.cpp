#include "batch/jobvalues.h"

namespace {

template <typename T>
T chosen(bool given, T option, const std::optional<PrintSettings>& saved, T savedValue) {
    return given || !saved ? option : savedValue;
}

} // namespace

PlacementValues placementFor(const BatchOptions& options, const std::optional<PrintSettings>& saved) {
    const PlacementValues kept = saved ? saved->placement : PlacementValues{};
    return {chosen(options.given.size, options.size, saved, kept.widthPercent),
            chosen(options.given.shiftX, options.shiftX, saved, kept.shiftRightMm),
            chosen(options.given.shiftY, options.shiftY, saved, kept.shiftDownMm)};
}

PrintValues printValuesFor(const BatchOptions& options, const std::optional<PrintSettings>& saved,
                           const std::optional<LabelShape>& shape, bool onSavedFormat) {
    const PrintValues kept = saved ? saved->values : PrintValues{};
    PrintValues values{chosen(options.given.used, options.used, saved, kept.used),
                       chosen(options.given.copies, options.copies, saved, kept.copies),
                       chosen(options.given.sheet, options.sheet, saved, kept.sheet)};
    values.clipToShape = options.clipToShape.value_or(onSavedFormat && saved ? kept.clipToShape
                                                                             : clipsToShapeByDefault(shape));
    return values;
}
