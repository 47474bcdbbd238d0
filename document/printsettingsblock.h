#pragma once
// The block a cover file carries after its last pixel row: the print settings of
// the job. Readers that stop after the image never see it.
//
//   "CDCOVJOB", uint32 length of everything after this field, uint16 version (1),
//   then fields, each uint16 tag, uint32 length and that many bytes, in any order;
//   all little-endian. A reader skips fields whose tag it does not know, so a
//   later program may add fields without a new version; a new version means the
//   fields changed their meaning and an older reader leaves the whole block alone.
//
//   tag 1 placement:    int32 width percent, float64 shift right, float64 shift down (mm)
//   tag 2 print values: int32 used, int32 copies, int32 sheet, uint8 clip to shape
//   tag 3 paper format: the 112-byte paper.dat record (geometry and name)
//   tag 4 label shape:  uint8 kind, float64 corner, outer and hole radius (mm)
//   tag 5 disc:         float64 outer and inner printable diameter (mm); the
//                       job prints onto discs instead of the paper format's sheets
//
// Placement and print values are required. The block is taken whole or not at
// all: a block that is cut short, has a field of the wrong size, a value outside
// what the window's controls allow (a disc no disc can be, too), or a shape
// without a paper format counts as absent.

#include "document/printsettings.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace cover {

QByteArray printSettingsBlock(const PrintSettings& settings);

// `bytes` are those after the last pixel row; nothing when they do not start
// with a complete, sound block of a version this program knows.
std::optional<PrintSettings> readPrintSettingsBlock(QByteArrayView bytes);

} // namespace cover
