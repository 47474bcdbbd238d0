#include "print/calibrationpath.h"

#include <QByteArray>

namespace {

QString piecesOf(const QString& encoded) {
    QString path;
    for (qsizetype at = 0; at < encoded.size(); at += kEncodedPieceLength) {
        if (at > 0) path += QLatin1Char('/');
        path += encoded.mid(at, kEncodedPieceLength);
    }
    return path;
}

} // namespace

QString calibrationFolder(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("printers/");
}

QString encodedPrinterName(const QString& printerName) {
    // Percent encoding leaves letters, digits and "-._~" as they are; '.' and
    // '~' are encoded as well, so that no piece can be "." or "..".
    return QString::fromLatin1(printerName.toUtf8().toPercentEncoding({}, QByteArrayLiteral(".~")));
}

QString calibrationFilePath(const QString& settingsFolder, const QString& printerName) {
    const QString folder = calibrationFolder(settingsFolder);
    if (printerName.isEmpty()) return folder + QStringLiteral("pdf-file.dat");
    return folder + QStringLiteral("cups-") + piecesOf(encodedPrinterName(printerName)) +
           QStringLiteral(".dat");
}
