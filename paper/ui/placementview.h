#pragma once
// The placement view: the job's image and objects on one label of the chosen
// paper format at the page's zoom, with the label's shape over it (outside
// dimmed, outline drawn). Without a format it is a 300 × 300 square. Dragging
// with the mouse scrolls the scroll box the view sits in.

#include <QWidget>

class CoverJob;
class QPainter;
class ScrollBox;
class Shell;

class PlacementView : public QWidget {
    Q_OBJECT
  public:
    // Puts itself into `scrollBox`, which shows it from then on.
    PlacementView(const CoverJob& job, Shell& shell, ScrollBox& scrollBox);

    int zoom() const { return zoom_; }
    // The zoom in percent of the label's size at the screen's resolution.
    void setZoom(int percent);
    // Fits the view to the label at the zoom, or repaints it when it fits.
    void fitToLabel();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSize fittedSize() const;
    // The label's shape over the view: outside dimmed, the outline drawn.
    void paintLabelShape(QPainter& painter, double pixelsPerMm);

    const CoverJob& job_;
    Shell& shell_;
    ScrollBox& scrollBox_;
    int zoom_ = 100;
};
