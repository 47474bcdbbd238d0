#pragma once
// The frame every workflow page shares: a header strip with a bold caption and,
// on four of the pages, a left panel with a title box and a decorative picture.
// The page puts its controls into leftControls() and its view into content().

#include <QColor>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class ScrollBox;

namespace pagecolors {
inline QColor header() {
    return QColor(240, 202, 166);
}
inline QColor leftPanel() {
    return QColor(192, 220, 192);
}
inline QColor title() {
    return QColor(128, 0, 0);
} // maroon
} // namespace pagecolors

class PageFrame : public QWidget {
    Q_OBJECT
  public:
    // An empty `title` makes a page without left panel.
    PageFrame(const QString& headerCaption, const QString& title, const QString& pictureName,
              QWidget* parent = nullptr);

    QLabel* header() const { return header_; }
    QLabel* titleBox() const { return titleBox_; }
    QWidget* leftPanel() const { return leftPanel_; }
    // Layout for the page's controls inside the left panel, above the picture.
    QVBoxLayout* leftControls() const { return leftControls_; }
    QWidget* content() const { return content_; }
    // The scroll box the page shows its view in, placed in content(); the
    // window's mouse wheel scrolls it.
    ScrollBox* scrollBox() const;

  private:
    QLabel* header_ = nullptr;
    QLabel* titleBox_ = nullptr;
    QWidget* leftPanel_ = nullptr;
    QVBoxLayout* leftControls_ = nullptr;
    QWidget* content_ = nullptr;
};
