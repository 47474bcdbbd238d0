#pragma once
// A large image button: a normal picture and a pressed picture at the same place,
// and a pressed flag. A press shows the pressed picture; while the button is held
// the picture follows the pointer in and out of the button; releasing inside
// clicks.

#include "widgets/pictures.h"

#include <QWidget>

class ImageButton : public QWidget {
    Q_OBJECT
  public:
    // `normalName` and `pressedName` name the two pictures (and the widget).
    ImageButton(const QString& normalName, const QString& pressedName, const QString& hint,
                QWidget* parent = nullptr);

    bool normalVisible() const { return !showPressed_; }
    bool pressedVisible() const { return showPressed_; }
    bool pressedFlag() const { return pressedFlag_; }
    const QString& pressedName() const { return pressedName_; }

    // Normal picture shown, pressed one hidden, flag cleared: what every click
    // does before its action, and what the printer setup does on its own.
    void resetPictures();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void showPicture(bool pressed);
    QString pressedName_;
    pictures::ScreenPicture normal_;
    pictures::ScreenPicture pressed_;
    bool showPressed_ = false;
    bool pressedFlag_ = false;
    bool leftDown_ = false;
};
