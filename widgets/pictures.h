#pragma once
// The program's pictures and cursors, drawn as SVG and built into the program.
// A picture is drawn for the screen it is shown on: as many pixels as the
// screen has for it, so it is sharp on a scaled screen too.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace pictures {

// The picture `name` (a file name without extension) at its own size in
// logical pixels, drawn for a screen of `devicePixelRatio`.
QPixmap pixmap(const QString& name, qreal devicePixelRatio = 1);
// The picture for plain and scaled screens alike.
QIcon icon(const QString& name);

enum class CursorName { DragC, Lupe, MultiDrag };
// "MYSB_DRAGC" (grab hand), "MYSB_LUPE" (magnifier), and the multiple-drag arrow.
QCursor cursor(CursorName name);

// A picture a widget paints: drawn again when it is painted on a screen of
// another scale, and only then.
class ScreenPicture {
  public:
    explicit ScreenPicture(const QString& name);
    // Its size in logical pixels; empty when there is no such picture.
    QSize size() const { return size_; }
    const QPixmap& forRatio(qreal devicePixelRatio);

  private:
    QString name_;
    QSize size_;
    QPixmap drawn_;
};

} // namespace pictures
