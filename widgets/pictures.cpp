#include "widgets/pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace pictures {

QPixmap pixmap(const QString& name) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    QPixmap result(renderer.defaultSize());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    renderer.render(&painter);
    return result;
}

QIcon icon(const QString& name) {
    return QIcon(pixmap(name));
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

QByteArray data(const QString& fileName) {
    QFile file(QStringLiteral(":/pictures/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

} // namespace pictures
