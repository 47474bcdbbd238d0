#pragma once
// labelshapes.dat, beside paper.dat: the label shapes of formats made from label
// templates. paper.dat's records stay exactly as they are (older programs read
// them unchanged); this file pairs a copy of a record with its shape.
//
//   "CDLS", uint32 version (1), int32 count, then per entry: the 112-byte
//   paper.dat record, uint8 kind (LabelShape::Kind), three float64 (corner,
//   outer and hole radius, mm); all little-endian.
//
// A record gets the shape of the first unused entry whose copy equals it byte
// for byte; a format changed by another program loses its shape. Reading trusts
// nothing: an entry with an unknown kind or a radius outside 0…5000 mm is
// dropped, and nothing is sized by the count before it is checked.

#include "paper/labelshape.h"
#include "paper/papertype.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

using FormatShapes = std::vector<std::optional<LabelShape>>;

QString labelShapeFilePath(const QString& settingsFolder);

QByteArray writeLabelShapeFile(const std::vector<PaperType>& formats, const FormatShapes& shapes);
// One shape (or none) per format of `formats`.
FormatShapes readLabelShapeFile(QByteArrayView bytes, const std::vector<PaperType>& formats);

// On the settings folder. Writing replaces the file in one step; when no format
// has a shape and no file exists, none is made.
FormatShapes readLabelShapesAt(const QString& settingsFolder, const std::vector<PaperType>& formats);
bool writeLabelShapesAt(const QString& settingsFolder, const std::vector<PaperType>& formats,
                        const FormatShapes& shapes);
