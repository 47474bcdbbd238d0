#include "document/coverfile.h"

#include "base/wholefile.h"
#include "document/coverjob.h"

#include <QCoreApplication>
#include <QFile>

namespace cover {

WriteStatus writeCoverFile(const QString& path, const CoverSource& source, const Progress& progress,
                           int* errorNumber) {
    WholeFile file(path);
    WriteStatus status = WriteStatus::Ok;
    if (!file.open(QIODevice::WriteOnly))
        status = WriteStatus::CannotCreate;
    else if (!writeCover(file, source, progress) || !file.commit())
        status = WriteStatus::WriteFailed;
    if (errorNumber) *errorNumber = file.errorNumber();
    return status;
}

ReadResult readCoverFile(const QString& path, const ImageLimits& limits, const Progress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {ReadStatus::CannotOpen, {}};
    // Mapping spares a copy of the pixel rows; devices that cannot be mapped are
    // read whole instead.
    const qint64 size = file.size();
    if (size > 0) {
        if (const uchar* mapped = file.map(0, size)) {
            ReadResult result = readCover(QByteArrayView(mapped, size), limits, progress);
            file.unmap(const_cast<uchar*>(mapped));
            return result;
        }
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {ReadStatus::CannotOpen, {}};
    return readCover(bytes, limits, progress);
}

void copyFileFields(const AnnotationObject& from, AnnotationObject& to) {
    to.Left = from.Left;
    to.Top = from.Top;
    to.Width = from.Width;
    to.Height = from.Height;
    to.Created = from.Created;
    to.Kind = from.Kind;
    to.Color = from.Color;
    to.Shape = from.Shape;
    to.Align = from.Align;
    to.BorderColor = from.BorderColor;
    to.FillMode = from.FillMode;
    to.Shadow = from.Shadow;
    to.Outline = from.Outline;
    to.ShadowX = from.ShadowX;
    to.ShadowY = from.ShadowY;
    to.Reserved2 = from.Reserved2;
    to.Reserved1 = from.Reserved1;
    to.LineWidth = from.LineWidth;
    to.Rotation = from.Rotation;
    to.Text = from.Text;
    to.FontColor = from.FontColor;
    to.FontHeight = from.FontHeight;
    to.FontName = from.FontName;
    to.FontPitch = from.FontPitch;
    to.FontSize = from.FontSize;
    to.FontStyle = from.FontStyle;
}

CoverSource coverSourceOf(const CoverJob& job) {
    return CoverSource{job.pageWidth(), job.pageHeight(), job.viewZoom(),     job.unitsPerScreenPixel(),
                       &job.objects(),  &job.image(),     job.printSettings()};
}

void installDocument(CoverDocument&& document, CoverJob& job) {
    const CoverJob::ChangeBatch wholeJob(job);
    job.clearObjects();
    installObjects(document, job.objects());
    job.replaceImage(std::move(document.image));
    job.setPageSize(document.pageWidth, document.pageHeight);
    job.setViewScales(document.viewZoom, document.unitsPerScreenPixel);
}

PaperCatalogue::Found installPrintSettings(const PrintSettings& settings, PaperCatalogue& catalogue,
                                           CoverJob& job) {
    PrintSettings restored = settings;
    PaperCatalogue::Found how = PaperCatalogue::Found::InCatalogue;
    if (settings.paper) {
        const PaperCatalogue::FoundFormat found = catalogue.findOrAdd(*settings.paper, settings.shape);
        how = found.how;
        restored.paper = *catalogue.format(found.index);
        restored.shape = catalogue.shape(found.index);
    }
    job.setPrintSettings(restored);
    return how;
}

void installObjects(const CoverDocument& document, ObjectTable& table) {
    table.clearAll();
    for (const auto& [slot, object] : document.objects)
        copyFileFields(object, table.slot(slot));
}

QString readFailureText(ReadStatus status, const QString& name) {
    switch (status) {
    case ReadStatus::CannotOpen:
        return QCoreApplication::translate("CoverFile",
                                           "CD-Cover Datei öffnen: Konnte die Datei %1 nicht öffnen!")
            .arg(name);
    case ReadStatus::NotCoverFile:
        return QCoreApplication::translate("CoverFile", "Die Datei ist keine gültige CD-Cover Datei!");
    case ReadStatus::OutOfMemory:
        return QCoreApplication::translate(
                   "CoverFile", "CD-Cover Datei öffnen: Nicht genügend Speicher für das Bild der Datei %1!")
            .arg(name);
    case ReadStatus::Damaged:
    case ReadStatus::Ok:
        break;
    }
    return QCoreApplication::translate(
               "CoverFile",
               "Die CD-Cover Datei %1 ist beschädigt oder unvollständig und wurde nicht geöffnet!")
        .arg(name);
}

QString writeFailureText(WriteStatus status, const QString& name) {
    if (status == WriteStatus::CannotCreate)
        return QCoreApplication::translate("CoverFile",
                                           "CD-Cover Datei speichern: Konnte die Datei %1 nicht erstellen!")
            .arg(name);
    return QCoreApplication::translate("CoverFile", "CD-Cover Datei speichern: Fehler beim Schreiben der "
                                                    "Datei %1! Die Datei wurde nicht gespeichert.")
        .arg(name);
}

} // namespace cover
