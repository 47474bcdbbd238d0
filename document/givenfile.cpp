#include "document/givenfile.h"

#include "document/coverfile.h"
#include "raster/imagefile.h"

#include <QFile>
#include <QFileInfo>

GivenFileKind givenFileKind(QByteArrayView head, const QString& fileName) {
    if (head.startsWith(QByteArrayView(cover::signature()))) return GivenFileKind::Cover;
    if (detectImageFormat(head) != ImageFileFormat::Unknown) return GivenFileKind::Image;
    return fileName.endsWith(QStringLiteral(".cov"), Qt::CaseInsensitive) ? GivenFileKind::Cover
                                                                          : GivenFileKind::Image;
}

GivenFileKind givenFileKindOf(const QString& path) {
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(kGivenFileHeadSize) : QByteArray();
    return givenFileKind(head, path);
}

QString fileOfArguments(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments.at(1).isEmpty()) return {};
    return QFileInfo(arguments.at(1)).absoluteFilePath();
}

QString droppedFile(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && !QFileInfo(path).isDir()) return path;
    }
    return {};
}
