#pragma once
// Lengths as label templates write them: a number with an optional unit, "pt"
// (the default), "in", "mm", "cm" or "pc". Converted exactly into millimetres.

#include <QStringView>

#include <optional>

// Nothing for an empty text, an unknown unit, or a number that is not finite.
std::optional<double> templateLengthMm(QStringView text);
