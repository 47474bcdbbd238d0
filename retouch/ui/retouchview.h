#pragma once
// The retouch view: the job's current image at the page's zoom with the marked
// region framed. The mouse draws a new region or drags the edges of the marked
// one; hovering over an edge shows the cursor for it.

#include "retouch/marking.h"

#include <QWidget>

class CoverJob;
class ScrollBox;
class Shell;

class RetouchView : public QWidget {
    Q_OBJECT
  public:
    // Puts itself into `scrollBox`, which shows it from then on.
    RetouchView(CoverJob& job, Shell& shell, ScrollBox& scrollBox);

    // The zoom in percent of the image's pixels.
    void setZoom(int percent);
    // Fits the view to the image at the zoom, or repaints it when it fits. The
    // frame is placed at once, so the mouse always meets the region as drawn.
    void fitToImage();

    // The frame in view pixels, its scale and the drag in progress.
    const RegionMarking& marking() const { return marking_; }
    // Ends a drag without its release, as when the page is left.
    void cancelDrag() { marking_.cancelDrag(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSize fittedSize() const;
    void placeFrame();
    PixelRegion region() const;
    void setRegion(const PixelRegion& region);
    void showCursor(MarkCursor cursor);
    CoverJob& job_;
    Shell& shell_;
    ScrollBox& scrollBox_;
    RegionMarking marking_;
    MarkCursor cursor_ = MarkCursor::Arrow;
    int zoom_ = 100;
};
