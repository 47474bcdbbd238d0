#include "widgets/pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

namespace pictures {

namespace {

QString pathOf(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

// The words some pictures carry (button captions, the about box's subtitle),
// listed for the translation; the picture shows them in the program's language.
[[maybe_unused]] constexpr const char* kPictureWords[] = {QT_TRANSLATE_NOOP("Pictures", "Beenden"),
                                                          QT_TRANSLATE_NOOP("Pictures", "Drucker"),
                                                          QT_TRANSLATE_NOOP("Pictures", "CD-Label und Cover"),
                                                          QT_TRANSLATE_NOOP("Pictures", "Go scan!"),
                                                          QT_TRANSLATE_NOOP("Pictures", "Go!"),
                                                          QT_TRANSLATE_NOOP("Pictures", "Info"),
                                                          QT_TRANSLATE_NOOP("Pictures", "Scanner")};

// The picture's SVG with the text of each <text> element translated.
QByteArray translatedSvg(const QString& name) {
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression text(QStringLiteral(">([^<>]+)</text>"));
    QString translated;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : text.globalMatch(svg)) {
        const QByteArray words = match.captured(1).toUtf8();
        translated += QStringView(svg).mid(copied, match.capturedStart(1) - copied);
        translated += QCoreApplication::translate("Pictures", words.constData()).toHtmlEscaped();
        copied = match.capturedEnd(1);
    }
    translated += QStringView(svg).mid(copied);
    return translated.toUtf8();
}

} // namespace

QPixmap pixmap(const QString& name, qreal devicePixelRatio) {
    QSvgRenderer renderer(translatedSvg(name));
    if (!renderer.isValid()) return {};
    const QSize size = renderer.defaultSize();
    QPixmap result(int(std::ceil(size.width() * devicePixelRatio)),
                   int(std::ceil(size.height() * devicePixelRatio)));
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        renderer.render(&painter);
    }
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

QIcon icon(const QString& name) {
    QIcon result;
    for (const qreal ratio : {1.0, 2.0, 3.0})
        result.addPixmap(pixmap(name, ratio));
    return result;
}

QCursor cursor(CursorName name) {
    switch (name) {
    case CursorName::DragC:
        return QCursor(pixmap(QStringLiteral("cursor-dragc")), 13, 12);
    case CursorName::Lupe:
        return QCursor(pixmap(QStringLiteral("cursor-lupe")), 12, 12);
    case CursorName::MultiDrag:
        return QCursor(pixmap(QStringLiteral("cursor-multidrag")), 2, 2);
    }
    return QCursor(Qt::ArrowCursor);
}

ScreenPicture::ScreenPicture(const QString& name)
    : name_(name), drawn_(pixmap(name, qGuiApp->devicePixelRatio())) {
    size_ = drawn_.deviceIndependentSize().toSize();
}

const QPixmap& ScreenPicture::forRatio(qreal devicePixelRatio) {
    if (!drawn_.isNull() && drawn_.devicePixelRatio() != devicePixelRatio)
        drawn_ = pixmap(name_, devicePixelRatio);
    return drawn_;
}

} // namespace pictures
