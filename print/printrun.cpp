#include "print/printrun.h"

#include <QCoreApplication>
#include <QPainter>

QString printTitle() {
    return QCoreApplication::translate("PrintRun", "CD-Label/Cover");
}

SheetDevice printerDevice(const PrintTarget& target, const Calibration& calibration) {
    SheetDevice device;
    device.kind = SheetDevice::Kind::Printer;
    device.dpiX = target.dpiX();
    device.dpiY = target.dpiY();
    // kW and kH are what the printer made of 100 mm: lengths are divided by
    // its scale, so that they come out right on paper.
    device.kX = 100 / calibration.kW;
    device.kY = 100 / calibration.kH;
    device.cL = calibration.cL;
    device.cT = calibration.cT;
    return device;
}

bool labelHasArea(const PrintTarget& target, const PrintJob& job) {
    return !labelBitmapSize(job.paper, printerDevice(target, job.calibration)).isEmpty();
}

QString noLabelAreaMessage(const PaperType& paper) {
    const QString name = paper.displayName();
    const QString format =
        name.isEmpty()
            ? QCoreApplication::translate("PrintRun", "Das Etikett des gewählten Papierformats")
            : QCoreApplication::translate("PrintRun", "Das Etikett des gewählten Papierformats \"%1\"")
                  .arg(name);
    // Asked as !(x > 0), so that a NaN from a foreign paper.dat counts as no area too.
    const bool noArea = !(paper.LabelWidth > 0) || !(paper.LabelHeight > 0);
    const QString problem =
        noArea
            ? QCoreApplication::translate("PrintRun", " hat keine Fläche: seine Breite oder Höhe ist 0 mm.")
            : QCoreApplication::translate("PrintRun",
                                          " ist schmaler oder niedriger als ein Bildpunkt des Druckers.");
    return format + problem + QCoreApplication::translate("PrintRun", " Es wurde nichts gedruckt.");
}

QString printFailureText(const PrintTarget& target, PrintOutcome outcome) {
    const QString reason = target.failureText();
    if (!reason.isEmpty()) return reason;
    return outcome == PrintOutcome::NotStarted
               ? QCoreApplication::translate("PrintRun", "Der Druckauftrag konnte nicht gestartet werden.")
               : QCoreApplication::translate("PrintRun",
                                             "Der Druckauftrag konnte nicht abgeschlossen werden.");
}

PrintOutcome runPrintJob(PrintTarget& target, const PrintJob& job, Messages& messages,
                         const DrawContext& drawing) {
    if (!labelHasArea(target, job)) return PrintOutcome::NoLabelArea;
    const SheetDevice device = printerDevice(target, job.calibration);
    if (target.dpiX() != target.dpiY())
        messages.message(
            QCoreApplication::translate(
                "PrintRun", "Diese Meldung dürfte nie erscheinen. Das Programm kann mit diesem Drucker "
                            "wahrscheinlich nicht korrekt drucken."),
            QCoreApplication::translate("PrintRun", "Fehler"), MsgButtons::Ok, MsgIcon::Information);
    const SheetPlan plan = planSheets(job.paper, job.values, device);
    // Rendered before the job starts, so that a label too large for memory
    // prints no empty sheets.
    const QImage label = renderLabel(
        job.content, plan.label,
        PlacementDevice{plan.label.width(), device.dpiX, device.dpiY, device.kX, device.kY}, drawing);
    if (label.isNull()) return PrintOutcome::NoMemory;
    if (!target.begin(printTitle())) return PrintOutcome::NotStarted;
    for (const LabelSpot& spot : plan.spots) {
        if (spot.newPage && !target.newPage()) {
            target.end();
            return PrintOutcome::NotFinished;
        }
        target.painter()->drawImage(QPoint(spot.x, spot.y), label);
    }
    return target.end() ? PrintOutcome::Printed : PrintOutcome::NotFinished;
}
