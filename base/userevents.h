#pragma once
// The main window's own message: progress of the cover file reader and writer.

#include <QEvent>

namespace userevents {
inline const QEvent::Type WmUser = QEvent::Type(QEvent::User + 0x400); // progress in percent
} // namespace userevents

// WM_USER: wParam carries the percentage.
class WmUserEvent : public QEvent {
  public:
    explicit WmUserEvent(int percent) : QEvent(userevents::WmUser), percent_(percent) {}
    int percent() const { return percent_; }

  private:
    int percent_;
};
