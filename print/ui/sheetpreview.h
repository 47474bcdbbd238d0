#pragma once
// The sheet preview of the "Drucken" page: the printer's page at the screen's
// resolution and the page's zoom, with the job's label at every position of
// the shown sheet that the job fills (print/sheetpreview.h draws it). Without a
// paper format it shows nothing but the scroll box's background. Dragging with
// the mouse scrolls the scroll box the view sits in, without taking the focus.

#include <QWidget>

class CoverJob;
class ScrollBox;
class Shell;

class SheetPreview : public QWidget {
    Q_OBJECT
  public:
    // Puts itself into `scrollBox`, which shows it from then on.
    SheetPreview(const CoverJob& job, Shell& shell, ScrollBox& scrollBox);

    int zoom() const { return zoom_; }
    // The zoom in percent of the printable page at the screen's resolution.
    void setZoom(int percent);
    // The sheet's size on screen: the printer's printable page at the screen's
    // resolution and the zoom.
    QSize printablePixels() const;
    QSize sheetSize() const;
    // Fits the view to the sheet, or repaints it when it fits. Without a paper
    // format the view keeps its size. Called whenever the printer may have
    // changed, since the size follows the printer's page and resolution.
    void fitToSheet();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const CoverJob& job_;
    Shell& shell_;
    ScrollBox& scrollBox_;
    int zoom_ = 100;
};
