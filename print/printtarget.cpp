#include "print/printtarget.h"

#include "base/units.h"

#include <QCoreApplication>

PageSizeUnits pageSizeInUnits(const PrintTarget& target) {
    const QSize size = target.printableSize();
    return {units::trunc32(units::unitsFromPixels(size.width(), target.dpiX())),
            units::trunc32(units::unitsFromPixels(size.height(), target.dpiY()))};
}

QString printerDisplayName(const QString& printerName) {
    return printerName.isEmpty() ? QCoreApplication::translate("PrintTarget", "PDF-Datei") : printerName;
}
