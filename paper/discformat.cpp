#include "paper/discformat.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

QString millimetres(double mm) {
    return QString::number(mm, 'g', 6);
}

std::optional<double> lengthOf(const QString& text) {
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::vector<DiscPreset> discPresets() {
    struct Preset {
        const char* name;
        DiscFormat format;
    };
    static constexpr Preset kPresets[] = {
        {QT_TRANSLATE_NOOP("DiscFormat", "CD/DVD 118/22 mm (kleines Loch)"), {118, 22}},
        {QT_TRANSLATE_NOOP("DiscFormat", "CD/DVD 116/41 mm"), {116, 41}},
        {QT_TRANSLATE_NOOP("DiscFormat", "Mini-CD 78/22 mm"), {78, 22}},
    };
    // Named when asked, in the language of the translation installed by then.
    std::vector<DiscPreset> presets;
    for (const Preset& preset : kPresets)
        presets.push_back({QCoreApplication::translate("DiscFormat", preset.name), preset.format});
    return presets;
}

QString discFormatProblem(const DiscFormat& disc) {
    // Asked as !(inside), so that a value that is no number is refused too.
    if (!(disc.outerDiameterMm >= kDiscOuterMinMm && disc.outerDiameterMm <= kDiscOuterMaxMm))
        return QCoreApplication::translate(
                   "DiscFormat", "Der äußere Durchmesser muss zwischen %1 und %2 mm liegen, nicht bei %3 mm.")
            .arg(millimetres(kDiscOuterMinMm), millimetres(kDiscOuterMaxMm),
                 millimetres(disc.outerDiameterMm));
    if (!(disc.innerDiameterMm >= kDiscInnerMinMm && disc.innerDiameterMm <= kDiscInnerMaxMm))
        return QCoreApplication::translate(
                   "DiscFormat", "Der innere Durchmesser muss zwischen %1 und %2 mm liegen, nicht bei %3 mm.")
            .arg(millimetres(kDiscInnerMinMm), millimetres(kDiscInnerMaxMm),
                 millimetres(disc.innerDiameterMm));
    if (disc.outerDiameterMm - disc.innerDiameterMm < kDiscMinRingMm)
        return QCoreApplication::translate(
                   "DiscFormat", "Der innere Durchmesser muss mindestens %1 mm kleiner sein als der äußere.")
            .arg(millimetres(kDiscMinRingMm));
    return {};
}

QString discDisplayName(const DiscFormat& disc) {
    for (const DiscPreset& preset : discPresets())
        if (preset.format == disc) return preset.name;
    return QCoreApplication::translate("DiscFormat", "CD/DVD %1/%2 mm (eigene Größe)")
        .arg(millimetres(disc.outerDiameterMm), millimetres(disc.innerDiameterMm));
}

std::optional<DiscFormat> parseDiscDiameters(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2) return std::nullopt;
    const std::optional<double> outer = lengthOf(parts[0]);
    const std::optional<double> inner = lengthOf(parts[1]);
    if (!outer || !inner) return std::nullopt;
    return DiscFormat{*outer, *inner};
}

PaperType discSheet(const DiscFormat& disc) {
    PaperType sheet;
    sheet.StepX = sheet.StepY = sheet.LabelWidth = sheet.LabelHeight = disc.outerDiameterMm;
    sheet.CountX = sheet.CountY = 1;
    sheet.setName(discDisplayName(disc));
    return sheet;
}

LabelShape discShape(const DiscFormat& disc) {
    LabelShape shape;
    shape.kind = LabelShape::Kind::Disc;
    shape.outerRadiusMm = disc.outerDiameterMm / 2;
    shape.holeRadiusMm = disc.innerDiameterMm / 2;
    return shape;
}
