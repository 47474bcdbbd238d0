#pragma once
// A scroll box in the application-workspace colour holding a view at its
// top-left corner: a widget of its own set with setView(), or else a paint box,
// a plain surface whose owner paints it and handles its mouse.
//
// The mouse wheel is handled by the main window for the page shown (20 pixels
// per notch), so the scroll box does not scroll on the wheel by itself.

#include <QScrollArea>
#include <QWidget>

#include <functional>

class PaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit PaintBox(QWidget* parent = nullptr);
    std::function<void(QPainter&, const QRect& exposed)> onPaint;
    std::function<void(QMouseEvent*)> onMouseDown, onMouseMove, onMouseUp, onDoubleClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class ScrollBox : public QScrollArea {
    Q_OBJECT
  public:
    explicit ScrollBox(QWidget* parent = nullptr);
    // Shows `view` in place of the paint box, which goes.
    void setView(QWidget* view);
    QWidget* view() const { return widget(); }
    // Null once a view of its own was set.
    PaintBox* paintBox() const { return paintBox_; }
    // Resizes the view; returns true when its size changed.
    bool setPaintBoxSize(int width, int height);
    // The scroll positions and the largest position of each direction.
    int horizontalPosition() const;
    int verticalPosition() const;
    void setHorizontalPosition(int position);
    void setVerticalPosition(int position);

  protected:
    void wheelEvent(QWheelEvent* event) override;

  private:
    PaintBox* paintBox_;
};
