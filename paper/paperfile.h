#pragma once
// paper.dat: the paper format catalogue. A 4-byte signature, a signed 32-bit
// count, then the 112-byte records in catalogue order, all little-endian.
//
// Reading trusts nothing: a count that is negative or larger than the records
// present keeps only the complete records, and nothing is sized by the count
// before it has been checked against the data. Writing goes through a
// temporary file, so a failed write leaves the previous catalogue in place.

#include "paper/papertype.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

inline constexpr uint32_t kPaperFileSignature = 64687; // 0x0000FCAF

// The records of a paper.dat image; nothing when the signature is missing or wrong.
std::optional<std::vector<PaperType>> readPaperFile(QByteArrayView bytes);
QByteArray writePaperFile(const std::vector<PaperType>& records);

// The same on a file. Reading gives nothing when the file cannot be opened or
// its signature is wrong; writing returns false when the file could not be
// replaced (the old one then survives untouched).
std::optional<std::vector<PaperType>> readPaperFileAt(const QString& path);
bool writePaperFileAt(const QString& path, const std::vector<PaperType>& records);

// Where the catalogue lives: the program directory, which ends with '/'.
QString paperFilePath(const QString& settingsFolder);

// The main window's catalogue operations. Loading leaves the catalogue as it is
// when paper.dat is missing or foreign; both stay silent on every failure, as
// the catalogue is a convenience and not part of the document.
void LoadEttTypes(std::vector<PaperType>& EttTypes, const QString& settingsFolder);
bool SaveEttTypes(const std::vector<PaperType>& EttTypes, const QString& settingsFolder);
void FreeEttTypes(std::vector<PaperType>& EttTypes);
