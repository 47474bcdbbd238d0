#include "widgets/pageframe.h"

#include "widgets/pictures.h"
#include "widgets/scrollbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The decorative picture: drawn at its own size where there is room, smaller
// (keeping its proportions) where the panel's controls need the space.
class PictureBox : public QWidget {
  public:
    PictureBox(const QString& pictureName, QWidget* parent) : QWidget(parent), picture_(pictureName) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    }
    QSize sizeHint() const override { return picture_.size(); }
    QSize minimumSizeHint() const override { return {0, 0}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.size().isEmpty()) return;
        const QSize shown = picture_.size().scaled(size().boundedTo(picture_.size()), Qt::KeepAspectRatio);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(QPoint((width() - shown.width()) / 2, height() - shown.height()), shown),
                           picture_.forRatio(devicePixelRatioF()));
    }

  private:
    pictures::ScreenPicture picture_;
};

void paintBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

PageFrame::PageFrame(const QString& headerCaption, const QString& title, const QString& pictureName,
                     QWidget* parent)
    : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    header_ = new QLabel(headerCaption, this);
    header_->setObjectName(QStringLiteral("header"));
    // A long caption wraps onto a second line rather than widening the window
    // or being cut at its edge.
    header_->setWordWrap(true);
    header_->setMinimumHeight(33);
    header_->setMinimumWidth(1);
    header_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    header_->setContentsMargins(8, 2, 8, 2);
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    paintBackground(header_, pagecolors::header());
    outer->addWidget(header_);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    outer->addLayout(body, 1);

    if (!title.isEmpty()) {
        leftPanel_ = new QWidget(this);
        leftPanel_->setObjectName(QStringLiteral("leftPanel"));
        leftPanel_->setFixedWidth(209);
        paintBackground(leftPanel_, pagecolors::leftPanel());
        auto* left = new QVBoxLayout(leftPanel_);
        left->setContentsMargins(8, 8, 8, 8);
        left->setSpacing(6);

        titleBox_ = new QLabel(title, leftPanel_);
        titleBox_->setObjectName(QStringLiteral("titleBox"));
        titleBox_->setWordWrap(true);
        QFont titleFont(QStringLiteral("Arial Black"));
        titleFont.setPixelSize(19);
        titleFont.setWeight(QFont::Black);
        titleBox_->setFont(titleFont);
        titleBox_->setContentsMargins(6, 4, 6, 4);
        QPalette titlePalette = titleBox_->palette();
        titlePalette.setColor(QPalette::WindowText, pagecolors::title());
        titleBox_->setPalette(titlePalette);
        paintBackground(titleBox_, pagecolors::header());
        left->addWidget(titleBox_);

        leftControls_ = new QVBoxLayout;
        leftControls_->setSpacing(6);
        left->addLayout(leftControls_);

        auto* picture = new PictureBox(pictureName, leftPanel_);
        picture->setObjectName(QStringLiteral("pagePicture"));
        left->addWidget(picture, 1);
        body->addWidget(leftPanel_);
    }

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    body->addWidget(content_, 1);
}

ScrollBox* PageFrame::scrollBox() const {
    return content_->findChild<ScrollBox*>(QString(), Qt::FindDirectChildrenOnly);
}
