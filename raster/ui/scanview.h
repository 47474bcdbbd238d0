#pragma once
// The scan view: the job's current image at the page's zoom. Dragging with the
// mouse scrolls the scroll box the view sits in.

#include <QWidget>

class CoverJob;
class ScrollBox;
class Shell;

class ScanView : public QWidget {
    Q_OBJECT
  public:
    // Puts itself into `scrollBox`, which shows it from then on.
    ScanView(const CoverJob& job, Shell& shell, ScrollBox& scrollBox);

    int zoom() const { return zoom_; }
    // The zoom in percent of the image's pixels.
    void setZoom(int percent);
    // Fits the view to the image at the zoom, or repaints it when it fits.
    void fitToImage();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSize fittedSize() const;
    const CoverJob& job_;
    Shell& shell_;
    ScrollBox& scrollBox_;
    int zoom_ = 100;
};
