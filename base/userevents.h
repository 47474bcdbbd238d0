#pragma once
// The main window's own messages: progress of the cover file reader and writer,
// and the arrival of a scanned image.

#include <QEvent>

#include <cstdint>

namespace userevents {
inline const QEvent::Type WmUser = QEvent::Type(QEvent::User + 0x400);  // progress in percent
inline const QEvent::Type WmUser2 = QEvent::Type(QEvent::User + 0x401); // a scanned image is ready
} // namespace userevents

// WM_USER: wParam carries the percentage.
class WmUserEvent : public QEvent {
  public:
    explicit WmUserEvent(int percent) : QEvent(userevents::WmUser), percent_(percent) {}
    int percent() const { return percent_; }

  private:
    int percent_;
};

// WM_USER + 1: wParam carries the token under which the scanned image waits.
class WmUser2Event : public QEvent {
  public:
    explicit WmUser2Event(uint64_t token) : QEvent(userevents::WmUser2), token_(token) {}
    uint64_t token() const { return token_; }

  private:
    uint64_t token_;
};
