#include "print/testprint.h"

#include "base/units.h"
#include "print/printtarget.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

// The caption starts 5 mm below the square; its letters are about 4 mm high.
constexpr double kCaptionGapMm = 5;
constexpr double kCaptionFontMm = 4;

int pixelsOf(double mm, int dpi) {
    return units::trunc32(mm / units::kMmPerInch * dpi);
}

void drawCaption(QPainter& painter, const PrintTarget& target, int top, const QStringList& caption) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, pixelsOf(kCaptionFontMm, target.dpiY())));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QSize page = target.printableSize();
    const QRect area(0, top, page.width(), std::max(0, page.height() - top));
    // Wrapped anywhere: a long queue name has no spaces to break at.
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                     caption.join(QLatin1Char('\n')));
}

} // namespace

QString testPrintTitle() {
    return QCoreApplication::translate("TestPrint", "Format-Drucker Testdruck");
}

QSize testRectangleSize(int dpiX, int dpiY) {
    return {units::trunc32(100 / units::kMmPerInch * dpiX), units::trunc32(100 / units::kMmPerInch * dpiY)};
}

QStringList testPrintCaption(const QString& printerName, const QDate& date) {
    return {QCoreApplication::translate("TestPrint", "Drucker: ") + printerDisplayName(printerName),
            QCoreApplication::translate("TestPrint", "Datum: ") +
                date.toString(QStringLiteral("dd.MM.yyyy"))};
}

bool printTestRectangle(PrintTarget& target, const QStringList& caption) {
    const QSize size = testRectangleSize(target.dpiX(), target.dpiY());
    if (!target.begin(testPrintTitle())) return false;
    QPainter& painter = *target.painter();
    painter.setBrush(QColor(192, 192, 192));
    painter.setPen(Qt::black);
    // The right and bottom edge are left out, as the system's rectangles do:
    // the square covers exactly size pixels in each direction.
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    drawCaption(painter, target, size.height() + pixelsOf(kCaptionGapMm, target.dpiY()), caption);
    return target.end();
}
