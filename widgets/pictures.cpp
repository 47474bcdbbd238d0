#include "widgets/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace pictures {

namespace {

QString pathOf(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

} // namespace

QPixmap pixmap(const QString& name, qreal devicePixelRatio) {
    QSvgRenderer renderer(pathOf(name));
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
