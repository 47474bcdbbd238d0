#pragma once
// The cover file (.cov): the whole job in one file — page size, the annotation
// view's zoom, every used object slot and the image with its rows. Readers and
// writers work on bytes and devices; the file entry points sit on top.
//
// Reading never touches the caller's document: it parses into a new
// CoverDocument that is handed over only when the whole file was read.

#include "document/objecttable.h"
#include "document/printsettings.h"
#include "paper/papercatalogue.h"
#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CoverJob;
class QIODevice;

namespace cover {

// The 37 characters every cover file starts with.
QByteArray signature();
inline constexpr int kEndMarker = 10001;
// Bytes before the first object record: signature, page size, zoom, units per pixel.
inline constexpr int kFixedPartSize = 61;
// The annotation view is sized from the page; no widget can be larger than this.
inline constexpr int kMaxViewSide = 16777215;

// Receives 0..100 while image rows are written or read.
using Progress = std::function<void(int percent)>;

// The percentage reported before row `row` of `rows`: trunc(row × 100 / (rows − 1)).
// An image of one row reports 100 for it, its only row being the last.
int rowPercent(int64_t row, int64_t rows);

// What a save takes from the main window's document.
struct CoverSource {
    int32_t pageWidth = 0;
    int32_t pageHeight = 0;
    double viewZoom = 1.0;
    double unitsPerScreenPixel = 0;
    const ObjectTable* objects = nullptr;
    const DibImage* image = nullptr;
    // Written after the image when present; a file without them is what older
    // programs of this kind wrote.
    std::optional<PrintSettings> printSettings = std::nullopt;
};

// A document read from a cover file.
struct CoverDocument {
    int32_t pageWidth = 0;
    int32_t pageHeight = 0;
    double viewZoom = 1.0;
    double unitsPerScreenPixel = 0;
    // Records in file order; a later record for the same slot replaces an earlier one.
    std::vector<std::pair<int, AnnotationObject>> objects;
    DibImage image;
    // Present only when the file carries a sound block of them after the image.
    std::optional<PrintSettings> printSettings = std::nullopt;
};

enum class ReadStatus { Ok, CannotOpen, NotCoverFile, Damaged, OutOfMemory };
struct ReadResult {
    ReadStatus status = ReadStatus::Damaged;
    CoverDocument document; // meaningful only when status is Ok
};

enum class WriteStatus { Ok, CannotCreate, WriteFailed };

// --- bytes and devices -----------------------------------------------------------
// Writes the whole file to `device`; false when a write failed.
bool writeCover(QIODevice& device, const CoverSource& source, const Progress& progress = {});
QByteArray coverBytes(const CoverSource& source, const Progress& progress = {});
// The record of one object under slot number `slot`, as the file holds it.
QByteArray objectRecord(int slot, const AnnotationObject& object);
// Image rows are copied (and progress reported) only once everything else checked
// out; an image larger than `limits` allow is OutOfMemory. The print settings
// after the image are taken when sound and ignored otherwise: they never make a
// file unreadable.
ReadResult readCover(QByteArrayView bytes, const ImageLimits& limits = {}, const Progress& progress = {});

// --- files -----------------------------------------------------------------------
// Writes to a temporary file beside `path` that replaces it only when complete, so
// a failed save leaves the previous file as it was; `errorNumber` then receives
// the system's reason (an errno value, 0 when there is none).
WriteStatus writeCoverFile(const QString& path, const CoverSource& source, const Progress& progress = {},
                           int* errorNumber = nullptr);
ReadResult readCoverFile(const QString& path, const ImageLimits& limits = {}, const Progress& progress = {});

// What the user is told when a cover file named `name` (without its folder)
// could not be read; the window shows it in a message box, the batch tool on stderr.
QString readFailureText(ReadStatus status, const QString& name);
// The same for a cover file that could not be written.
QString writeFailureText(WriteStatus status, const QString& name);

// Puts the print settings a cover file was saved with into `job`. Its paper
// format is taken from `catalogue`, where a format it lacks is added first;
// the catalogue's entry, with its label shape, is what the job gets.
PaperCatalogue::Found installPrintSettings(const PrintSettings& settings, PaperCatalogue& catalogue,
                                           CoverJob& job);

// What a save writes of `job`.
CoverSource coverSourceOf(const CoverJob& job);
// Makes `document` the job's image, page, view scales and objects. The marked
// region, the file name and the print settings are the caller's: the paper
// format has to be found in the catalogue first.
void installDocument(CoverDocument&& document, CoverJob& job);

// Frees every slot of `table`, then fills the slots the document names. Only the
// fields the file holds are copied; anything else a slot keeps stays as it was.
void installObjects(const CoverDocument& document, ObjectTable& table);
// Copies the fields a cover file holds from `from` to `to`.
void copyFileFields(const AnnotationObject& from, AnnotationObject& to);

} // namespace cover
