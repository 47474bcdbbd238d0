#pragma once
// The outline of the labels of a sheet, beyond the rectangle of the paper format
// record: a rectangle with round corners, a round label, an ellipse, or a CD/DVD
// label with its outer circle and the hole. The label's bounding box is the
// format's LabelWidth × LabelHeight; the shape lies centred in it.

#include <cstdint>

struct LabelShape {
    enum class Kind : uint8_t {
        Rectangle = 1, // cornerRadiusMm
        Round = 2,     // outerRadiusMm
        Ellipse = 3,   // fills the bounding box
        Disc = 4,      // outerRadiusMm and holeRadiusMm; the box may cut the circle
    };
    Kind kind = Kind::Rectangle;
    double cornerRadiusMm = 0;
    double outerRadiusMm = 0;
    double holeRadiusMm = 0;
    friend bool operator==(const LabelShape&, const LabelShape&) = default;
};
