#pragma once
// What the paper format dialog shows and how it maps onto a PaperType. The
// dialog shows gaps; the record keeps pitches (pitch = size + gap).

#include "paper/papertype.h"

#include <QString>

#include <vector>

// "Kein Name": the name a format starts with until the user gives it one.
QString unnamedPaperName();

struct PaperDialogValues {
    QString nameEdit = unnamedPaperName();
    double leftMargin = 0;   // left margin, mm
    double topMargin = 0;    // top margin, mm
    double labelWidth = 90;  // label width, mm
    double labelHeight = 55; // label height, mm
    double pitchX = 0;       // horizontal gap, mm
    double pitchY = 0;       // vertical gap, mm
    int columns = 2;         // labels across
    int rows = 5;            // labels down
    friend bool operator==(const PaperDialogValues&, const PaperDialogValues&) = default;
};

// Overwrites the format's fields with the dialog's; bytes that carry no
// meaning (the padding) stay as they were.
void applyDialogValues(PaperType& paper, const PaperDialogValues& values);
PaperDialogValues dialogValuesOf(const PaperType& paper);

// The name proposed for a new format when `entries` formats exist: "Kein Name3".
QString proposedPaperName(int entries);

// Removes the format at `index`; the ones behind it move up in order.
void removePaperType(std::vector<PaperType>& EttTypes, int index);
