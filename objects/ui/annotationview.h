#pragma once
// The annotation view: the job's image with its objects at the view scale and
// the selected object's frame, composed off screen for the part the scroll box
// shows. While an object is dragged the picture stays as it was at the press
// and only the object's outline follows the mouse. Mouse presses, moves and
// releases go to the editor, which keeps the state of the mouse.

#include <QImage>
#include <QRect>
#include <QWidget>

class AnnotationEditor;
class CoverJob;
class ScrollBox;
class Shell;

class AnnotationView : public QWidget {
    Q_OBJECT
  public:
    // Puts itself into `scrollBox`, which shows it from then on.
    AnnotationView(CoverJob& job, Shell& shell, ScrollBox& scrollBox);
    void setEditor(AnnotationEditor* editor) { editor_ = editor; }

    // Composes the part shown afresh, resizing the view to the image first,
    // and repaints.
    void recompose();
    // The picture last composed: the part of the view the scroll box showed.
    const QImage& composedPicture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // False when nothing was composed (zooming, or the view had to be resized
    // first).
    bool compose(bool resizeAtOnce);
    // The part of the view the scroll box shows, in view pixels.
    QRect visibleArea() const;
    bool dragging() const;

    CoverJob& job_;
    Shell& shell_;
    ScrollBox& scrollBox_;
    AnnotationEditor* editor_ = nullptr;
    QImage picture_;
    // The part of the view the picture holds.
    QRect composedArea_;
    // The picture was composed by recompose() and waits to be shown as it is.
    bool composedForPaint_ = false;
};
