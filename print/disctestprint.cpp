#include "print/disctestprint.h"

#include "base/units.h"
#include "print/discprint.h"
#include "print/printtarget.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double kRingStepMm = 5;
constexpr double kCaptionFontMm = 2.5;
// Lines an inkjet prints visibly on a disc.
constexpr double kLineMm = 0.2;

// Millimetres on the page, from the disc's centre.
class DiscCanvas {
  public:
    DiscCanvas(QPainter& painter, const PrintTarget& target, const QRect& disc)
        : painter_(painter), centre_(QRectF(disc).center()), pxPerMmX_(target.dpiX() / units::kMmPerInch),
          pxPerMmY_(target.dpiY() / units::kMmPerInch) {}

    QPointF at(double xMm, double yMm) const { return centre_ + QPointF(xMm * pxPerMmX_, yMm * pxPerMmY_); }
    void line(double x1, double y1, double x2, double y2) { painter_.drawLine(at(x1, y1), at(x2, y2)); }
    void circle(double radiusMm) {
        painter_.drawEllipse(centre_, radiusMm * pxPerMmX_, radiusMm * pxPerMmY_);
    }
    double pixelsY(double mm) const { return mm * pxPerMmY_; }
    // The ring between the two radii: two circles, the inner one a hole by the
    // odd-even rule.
    QPainterPath ring(double innerMm, double outerMm) const {
        QPainterPath path;
        path.addEllipse(centre_, outerMm * pxPerMmX_, outerMm * pxPerMmY_);
        path.addEllipse(centre_, innerMm * pxPerMmX_, innerMm * pxPerMmY_);
        return path;
    }

  private:
    QPainter& painter_;
    QPointF centre_;
    double pxPerMmX_, pxPerMmY_;
};

// Ticks every millimetre along both arms, longer every 5 and 10, with the
// distance from the centre written at every 10.
void drawScale(QPainter& painter, DiscCanvas& canvas, double innerRadius, double outerRadius) {
    const int reach = int(outerRadius);
    for (int mm = -reach; mm <= reach; ++mm) {
        const double tick = mm % 10 == 0 ? 2.5 : mm % 5 == 0 ? 1.75 : 1;
        canvas.line(mm, -tick, mm, tick);
        canvas.line(-tick, mm, tick, mm);
        // Numbers only where the whole of them is on the disc.
        if (mm % 10 != 0 || std::abs(mm) < innerRadius + 3) continue;
        const QString label = QString::number(std::abs(mm));
        painter.drawText(canvas.at(mm + 0.4, -2.8), label);
        painter.drawText(canvas.at(2.8, mm - 0.4), label);
    }
    canvas.line(-outerRadius, 0, outerRadius, 0);
    canvas.line(0, -outerRadius, 0, outerRadius);
}

void drawCaption(QPainter& painter, DiscCanvas& canvas, const DiscFormat& disc, const QStringList& caption) {
    const double outer = disc.outerDiameterMm / 2;
    const double top = disc.innerDiameterMm / 2 + 4;
    // Right of the scale's numbers on the lower arm.
    const QRectF area(canvas.at(7, top), canvas.at(outer * 0.8, outer * 0.8));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                     caption.join(QLatin1Char('\n')));
}

} // namespace

QString discTestPrintTitle() {
    return QCoreApplication::translate("DiscTestPrint", "CD/DVD-Testdruck");
}

bool printDiscTestPage(PrintTarget& target, const DiscFormat& disc, const QStringList& caption,
                       const DiscOffset& shift) {
    if (!discFormatProblem(disc).isEmpty()) return false;
    const QRect square = discRect(target, disc, shift);
    if (!target.begin(discTestPrintTitle())) return false;
    QPainter& painter = *target.painter();
    painter.save();
    DiscCanvas canvas(painter, target, square);
    const double outer = disc.outerDiameterMm / 2;
    const double inner = disc.innerDiameterMm / 2;
    painter.setClipPath(canvas.ring(inner, outer));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, canvas.pixelsY(kLineMm)));
    painter.setBrush(Qt::NoBrush);
    for (double radius = kRingStepMm; radius <= outer; radius += kRingStepMm)
        if (radius > inner) canvas.circle(radius);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(canvas.pixelsY(kCaptionFontMm))));
    painter.setFont(font);
    drawScale(painter, canvas, inner, outer);
    drawCaption(painter, canvas, disc, caption);
    painter.restore();
    return target.end();
}
