#pragma once
// Where each print target keeps its calibration: one file per target in the
// folder printers/ of the settings folder, in the layout of options.dat.
//
//   a CUPS queue      printers/cups-NAME.dat
//   the PDF file      printers/pdf-file.dat
//
// NAME is the queue name's UTF-8 bytes with every byte other than A-Z, a-z,
// 0-9, '-' and '_' written as %XX (two upper-case hex digits): "Büro/Laser 2"
// becomes "cups-B%C3%BCro%2FLaser%202.dat". The encoding keeps letters and
// digits readable, holds no '/', no '.' of its own and nothing a shell or file
// system treats specially, and it can be decoded again, so two different names
// never share a file. Queue files begin with "cups-", which keeps them apart
// from the PDF file's.
//
// A file name may have 255 bytes. An encoded name longer than
// kEncodedPieceLength characters is cut into pieces of that length; all but
// the last become folders: "cups-PIECE1/PIECE2/REST.dat". The pieces put
// together give the encoded name back, so long names stay apart too.
//
// Case counts: "Laser" and "laser" get files of their own. (CUPS itself does
// not tell them apart, so on a file system that ignores case they share a
// file harmlessly.)

#include <QString>

inline constexpr int kEncodedPieceLength = 200;

// The folder of the per-target files, ending with '/'.
QString calibrationFolder(const QString& settingsFolder);

// The queue name as it appears in its file's path, before cutting.
QString encodedPrinterName(const QString& printerName);

// The file of a print target: a CUPS queue by its name, the PDF file output
// by the empty name (no queue is nameless).
QString calibrationFilePath(const QString& settingsFolder, const QString& printerName);
