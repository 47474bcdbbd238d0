#pragma once
// The paper sizes label templates name ("A4", "US-Letter", …), in millimetres.

#include <QStringView>

#include <optional>

struct SheetSize {
    double width = 0, height = 0;
};

// Nothing for a name that is not one of the usual ISO and US sizes.
std::optional<SheetSize> knownSheetSize(QStringView name);
