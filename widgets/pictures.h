#pragma once
// The program's pictures and cursors, drawn as SVG and built into the program.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace pictures {

// The picture `name` (a file name without extension) at its own size.
QPixmap pixmap(const QString& name);
QIcon icon(const QString& name);

enum class CursorName { DragC, Lupe, MultiDrag };
// "MYSB_DRAGC" (grab hand), "MYSB_LUPE" (magnifier), and the multiple-drag arrow.
QCursor cursor(CursorName name);

// The raw bytes of a built-in file, e.g. "about.jpg".
QByteArray data(const QString& fileName);

} // namespace pictures
