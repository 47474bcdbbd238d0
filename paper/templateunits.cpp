#include "paper/templateunits.h"

#include <QString>

#include <cmath>

namespace {

// A unit is mm / per millimetres; multiplying before dividing keeps round
// values exact (90pt is 31.75 mm, not one bit off).
struct Unit {
    const char* suffix;
    double mm;
    double per;
};

// Inches are exactly 25.4 mm here: template makers measure in real inches.
constexpr Unit kPoint = {"pt", 25.4, 72};
constexpr Unit kUnits[] = {kPoint, {"in", 25.4, 1}, {"mm", 1, 1}, {"cm", 10, 1}, {"pc", 25.4, 6}};

} // namespace

std::optional<double> templateLengthMm(QStringView text) {
    text = text.trimmed();
    Unit unitOfText = kPoint;
    for (const Unit& unit : kUnits) {
        const QLatin1StringView suffix(unit.suffix);
        if (text.endsWith(suffix)) {
            text.chop(suffix.size());
            unitOfText = unit;
            break;
        }
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double mm = value * unitOfText.mm / unitOfText.per;
    if (!std::isfinite(mm)) return std::nullopt;
    return mm;
}
