#include "print/discprint.h"

#include "base/units.h"

#include <QPainter>

QPageLayout discFilePage(const DiscFormat& disc) {
    const double side = disc.outerDiameterMm;
    // An exact size: a fuzzy match could take a standard paper close to it.
    const QPageSize size(QSizeF(side, side), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF());
}

QRect discRect(const PrintTarget& target, const DiscFormat& disc, const DiscOffset& shift) {
    const QSize size(units::trunc32(units::pixelsFromMm(disc.outerDiameterMm, target.dpiX())),
                     units::trunc32(units::pixelsFromMm(disc.outerDiameterMm, target.dpiY())));
    const QSize page = target.printableSize();
    const int x =
        (page.width() - size.width()) / 2 + units::trunc32(units::pixelsFromMm(shift.rightMm, target.dpiX()));
    const int y = (page.height() - size.height()) / 2 +
                  units::trunc32(units::pixelsFromMm(shift.downMm, target.dpiY()));
    return QRect(QPoint(x, y), size);
}

PrintOutcome runDiscPrintJob(PrintTarget& target, const DiscPrintJob& job, const DrawContext& drawing) {
    if (!discFormatProblem(job.disc).isEmpty()) return PrintOutcome::NoLabelArea;
    const QRect disc = discRect(target, job.disc, job.shift);
    LabelContent content = job.content;
    content.clipShape = discShape(job.disc);
    // Rendered before the job starts, so that a disc too large for memory
    // starts no job.
    const QImage label = renderLabel(
        content, disc.size(),
        PlacementDevice{disc.width(), double(target.dpiX()), double(target.dpiY()), 1, 1}, drawing);
    if (label.isNull()) return PrintOutcome::NoMemory;
    if (!target.begin(printTitle())) return PrintOutcome::NotStarted;
    for (int copy = 0; copy < std::max(1, job.copies); ++copy) {
        if (copy > 0 && !target.newPage()) {
            target.end();
            return PrintOutcome::NotFinished;
        }
        target.painter()->drawImage(disc.topLeft(), label);
    }
    return target.end() ? PrintOutcome::Printed : PrintOutcome::NotFinished;
}
