#include "batch/imagepreparation.h"

#include "retouch/autocrop.h"
#include "retouch/turnimage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString noMemoryText() {
    return QCoreApplication::translate("ImagePreparation", "Fehler: Nicht genügend Speicher für das Bild.");
}

QJsonObject point(double x, double y) {
    return {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
}

QJsonObject extent(double width, double height) {
    return {{QStringLiteral("width"), width}, {QStringLiteral("height"), height}};
}

} // namespace

QByteArray foundObjectJson(const FoundObject& found) {
    const bool disc = found.kind == FoundKind::Disc;
    QJsonObject json{{QStringLiteral("kind"), disc ? QStringLiteral("disc") : QStringLiteral("cover")},
                     {QStringLiteral("centre"), point(found.centreX, found.centreY)},
                     {QStringLiteral("size"), extent(found.width, found.height)},
                     {QStringLiteral("angleDeg"), found.angleDeg}};
    if (disc) json.insert(QStringLiteral("holeDiameter"), found.holeDiameter);
    if (const double perMm = found.pixelsPerMm; perMm > 0) {
        json.insert(QStringLiteral("centreMm"), point(found.centreX / perMm, found.centreY / perMm));
        json.insert(QStringLiteral("sizeMm"), extent(found.width / perMm, found.height / perMm));
        if (disc) json.insert(QStringLiteral("holeDiameterMm"), found.holeDiameter / perMm);
    }
    return QJsonDocument(json).toJson();
}

bool prepareImage(DibImage& image, bool autoCrop, std::optional<double> rotateDegrees, QTextStream& err) {
    if (autoCrop) {
        const FoundObject found = findObject(image);
        if (!found.found()) {
            err << nothingFoundMessage() << Qt::endl;
            return false;
        }
        DibImage cut = cutOutObject(image, found);
        if (cut.isNull()) {
            err << noMemoryText() << Qt::endl;
            return false;
        }
        image = std::move(cut);
    }
    if (rotateDegrees && *rotateDegrees != 0) {
        DibImage turned = turnImage(image, *rotateDegrees);
        if (turned.isNull()) {
            err << noMemoryText() << Qt::endl;
            return false;
        }
        image = std::move(turned);
    }
    return true;
}

bool describeFoundObject(const DibImage& image, QTextStream& out, QTextStream& err) {
    const FoundObject found = findObject(image);
    if (!found.found()) {
        err << nothingFoundMessage() << Qt::endl;
        return false;
    }
    out << QString::fromUtf8(foundObjectJson(found));
    return true;
}
