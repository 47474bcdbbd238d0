#pragma once
// A scroll box in the application-workspace colour holding a view, a widget
// set with setView(), at its top-left corner.
//
// The mouse wheel is handled by the main window for the page shown (20 pixels
// per notch), so the scroll box does not scroll on the wheel by itself.

#include <QScrollArea>
#include <QWidget>

class ScrollBox : public QScrollArea {
    Q_OBJECT
  public:
    explicit ScrollBox(QWidget* parent = nullptr);
    // Shows `view`, which the scroll box owns from then on.
    void setView(QWidget* view);
    QWidget* view() const { return widget(); }
    // Resizes the view; returns true when its size changed.
    bool setPaintBoxSize(int width, int height);
    // The scroll positions and the largest position of each direction.
    int horizontalPosition() const;
    int verticalPosition() const;
    void setHorizontalPosition(int position);
    void setVerticalPosition(int position);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};
