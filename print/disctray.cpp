#include "print/disctray.h"

#include "base/units.h"

#include <algorithm>
#include <cmath>

namespace {

// A page counts as holding the disc when it is at most half a point smaller.
constexpr double kPageTolerancePt = 0.5;
// Below this inner diameter the driver is told to print up to the small hub.
constexpr double kSmallHubMm = 30;

QString number(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace

double pointsFromMm(double mm) {
    return mm / units::kMmPerInch * 72;
}

bool canPrintDiscs(const DiscTray& tray) {
    return !tray.pages.empty() || tray.cdInputSlot;
}

bool driverShiftsDisc(const DiscTray& tray) {
    return tray.xAdjustment && tray.yAdjustment;
}

std::optional<DiscPageSize> discPageFor(const DiscTray& tray, const DiscFormat& disc) {
    if (tray.pages.empty()) return std::nullopt;
    const double needed = pointsFromMm(disc.outerDiameterMm) - kPageTolerancePt;
    std::optional<DiscPageSize> best;
    for (const DiscPageSize& page : tray.pages)
        if (page.sidePt >= needed && (!best || page.sidePt < best->sidePt)) best = page;
    if (best) return best;
    return *std::max_element(
        tray.pages.begin(), tray.pages.end(),
        [](const DiscPageSize& a, const DiscPageSize& b) { return a.sidePt < b.sidePt; });
}

QString lengthValue(const PpdLength& length, double points) {
    if (length.custom)
        return QStringLiteral("Custom.") + number(std::clamp(points, length.minPt, length.maxPt));
    QString nearest;
    double distance = INFINITY;
    for (const QString& choice : length.choices) {
        bool ok = false;
        const double value = choice.toDouble(&ok);
        if (ok && std::abs(value - points) < distance) {
            distance = std::abs(value - points);
            nearest = choice;
        }
    }
    return nearest;
}

JobOptions discJobOptions(const DiscTray& tray, const DiscFormat& disc, const DiscOffset& calibration) {
    JobOptions options;
    const auto add = [&options](const QString& name, const QString& value) {
        if (!value.isEmpty()) options.emplace_back(name, value);
    };
    if (const auto page = discPageFor(tray, disc)) add(QStringLiteral("PageSize"), page->name);
    if (tray.cdInputSlot) add(QStringLiteral("InputSlot"), QStringLiteral("CD"));
    add(QStringLiteral("MediaType"), tray.discMediaType);
    if (tray.outerDiameter)
        add(QStringLiteral("StpCDOuterDiameter"),
            lengthValue(*tray.outerDiameter, pointsFromMm(disc.outerDiameterMm)));
    if (tray.innerDiameter)
        add(QStringLiteral("StpCDInnerDiameter"),
            lengthValue(*tray.innerDiameter, pointsFromMm(disc.innerDiameterMm)));
    if (tray.innerRadiusChoice)
        add(QStringLiteral("StpCDInnerRadius"),
            disc.innerDiameterMm < kSmallHubMm ? QStringLiteral("Small") : QStringLiteral("None"));
    if (driverShiftsDisc(tray)) {
        add(QStringLiteral("StpCDXAdjustment"),
            lengthValue(*tray.xAdjustment, pointsFromMm(calibration.rightMm)));
        add(QStringLiteral("StpCDYAdjustment"),
            lengthValue(*tray.yAdjustment, pointsFromMm(calibration.downMm)));
    }
    return options;
}

DiscOffset drawingShift(const DiscTray& tray, const DiscOffset& calibration) {
    return driverShiftsDisc(tray) ? DiscOffset{} : calibration;
}
