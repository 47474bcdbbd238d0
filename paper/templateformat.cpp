#include "paper/templateformat.h"

namespace {

// A grid of one label in a direction has no step; the label itself is the pitch.
double pitchOf(int count, double step, double labelSize) {
    return count > 1 ? step : labelSize;
}

} // namespace

std::vector<TemplateFormat> paperFormatsOf(const LabelTemplate& label) {
    std::vector<TemplateFormat> formats;
    const bool numbered = label.layouts.size() > 1;
    for (size_t i = 0; i < label.layouts.size(); ++i) {
        const TemplateLayout& layout = label.layouts[i];
        TemplateFormat format;
        PaperType& paper = format.paper;
        paper.LeftMargin = layout.x0;
        paper.TopMargin = layout.y0;
        paper.LabelWidth = label.labelWidth;
        paper.LabelHeight = label.labelHeight;
        paper.StepX = pitchOf(layout.nx, layout.dx, label.labelWidth);
        paper.StepY = pitchOf(layout.ny, layout.dy, label.labelHeight);
        paper.CountX = layout.nx;
        paper.CountY = layout.ny;
        const QString grid = numbered ? QStringLiteral(" (%1)").arg(i + 1) : QString();
        format.name = label.product() + grid;
        // A long product name gives way, so the grid's number stays in the stored name.
        paper.setName(label.product().left(PaperType::kNameCapacity - int(grid.size())) + grid);
        format.shape = label.shape;
        formats.push_back(format);
    }
    return formats;
}
