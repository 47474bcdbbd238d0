#pragma once
// A printable disc as a kind of paper format: the ring between the printable
// outer and inner diameter. Its "sheet" is one disc, so a page prints one disc
// and every copy is a page of its own. Nothing is printed outside the ring:
// ink beyond the outer edge lands on the printer's tray.

#include "paper/labelshape.h"
#include "paper/papertype.h"

#include <QString>

#include <optional>
#include <vector>

struct DiscFormat {
    double outerDiameterMm = 118;
    double innerDiameterMm = 22;
    friend bool operator==(const DiscFormat&, const DiscFormat&) = default;
};

// The limits of a disc of the user's own size.
inline constexpr double kDiscOuterMinMm = 40, kDiscOuterMaxMm = 120;
inline constexpr double kDiscInnerMinMm = 15, kDiscInnerMaxMm = 50;
// The inner diameter is at least this much less than the outer one.
inline constexpr double kDiscMinRingMm = 10;

struct DiscPreset {
    QString name;
    DiscFormat format;
};

// "CD/DVD 118/22 mm (kleines Loch)", "CD/DVD 116/41 mm", "Mini-CD 78/22 mm";
// the names translated for display.
std::vector<DiscPreset> discPresets();

// Why a disc of these diameters cannot be printed, in the user's language;
// empty when it can.
QString discFormatProblem(const DiscFormat& disc);

// The preset's name, or "CD/DVD 120/40 mm (eigene Größe)" for the user's own.
QString discDisplayName(const DiscFormat& disc);

// "118/22" (millimetres, decimals with '.' or ','); nothing when the text is
// not two numbers. The limits are discFormatProblem's to tell.
std::optional<DiscFormat> parseDiscDiameters(const QString& text);

// The disc as a paper format: one label of the outer diameter square, no
// margins, one across and one down; and its shape, the ring with its hole.
PaperType discSheet(const DiscFormat& disc);
LabelShape discShape(const DiscFormat& disc);
