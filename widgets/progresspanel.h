#pragma once
// The owner-drawn progress panel of the status bar. It keeps its picture in an
// image of its own, so the bar can be extended without clearing what is there,
// and paints synchronously so long operations show their progress.

#include "base/progress.h"

#include <QImage>
#include <QWidget>

class ProgressPanel : public QWidget {
    Q_OBJECT
  public:
    ProgressPanel(ProgressBarState& state, QWidget* parent = nullptr);

    // StatusBar1DrawPanel: clears the panel, draws the bar of the stored value
    // and remembers the rectangle as the progress rectangle.
    void drawPanel(const WinRect& rect);
    // SBarPaintMore: draws the bar of the stored value over the existing one.
    void paintMore();
    // Redraws the whole panel now (the value went down).
    void repaintWhole();

    // The panel's picture, for tests.
    const QImage& picture() const { return picture_; }
    QImage& picture() { return picture_; }

    static QColor barColor() { return QColor(0, 0, 128); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    WinRect innerRect() const;
    void fillBar(int percent);
    ProgressBarState& state_;
    QImage picture_;
    bool wholePending_ = true;
};
