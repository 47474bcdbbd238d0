#pragma once
// The "Retuschieren" page: the menu buttons "Datei", "Effekte" and "Retusche",
// the zoom, and the retouch view of the current image.

#include "app/pageframe.h"

class PaintBox;
class QMenu;
class QAction;
class QSpinBox;
class QToolButton;
class ScrollBox;
class TMainForm;

class RetouchPage : public PageFrame {
    Q_OBJECT
  public:
    explicit RetouchPage(TMainForm& form);

    QToolButton* DateiButton = nullptr;
    QToolButton* EffekteButton = nullptr;
    QToolButton* RetuscheButton = nullptr;
    QMenu* DateiPopup = nullptr;
    QMenu* EffektPopup = nullptr;
    QMenu* RetuschePopup = nullptr;
    QAction* SpeichernUnter1 = nullptr;
    QSpinBox* ZoomEd2 = nullptr;
    ScrollBox* RetuschScrollBox = nullptr;
    PaintBox* RetuschPaint = nullptr;

    // 1 while the mouse is captured for marking.
    int dragging = 0;
    void resetDragging() { dragging = 0; }

    void DateiButtonClick();
    void EffekteButtonClick();
    void RetuscheButtonClick();
    void RetuschPaintPaint();
    void ZoomEd2Change();

    // Where a menu button opens its menu: directly below it, in screen coordinates.
    static QPoint menuPosition(const QWidget* button);

  private:
    QToolButton* makeMenuButton(const char* name, const QString& caption, const QString& hint, QMenu* menu);
    void paintView(QPainter& painter);
    QSize viewSize() const;
    TMainForm& form_;
};
