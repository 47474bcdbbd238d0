// The program's pictures on the screen: as many pixels as the screen has for
// them, not a plain-screen picture enlarged. Runs on a plain screen and on
// scaled ones.

#include "app/aboutbox.h"
#include "raster/ui/scanpage.h"
#include "support/mainwindowfixture.h"
#include "widgets/imagebutton.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdlib>

namespace {

class PicturesAtEveryScaleTest : public MainWindowTest {
  protected:
    // The drawing rendered straight onto the device pixels of `logical`.
    static QImage rendered(const QString& file, QSize logical, qreal ratio) {
        QImage image(int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(QStringLiteral(":/pictures/") + file).render(&painter);
        return image;
    }
    // Pixels of `area` that differ in a channel by more than rounding.
    static int pixelsApart(const QImage& a, const QImage& b, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                count += std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                         std::abs(qBlue(p) - qBlue(q)) > 2;
            }
        return count;
    }
};

TEST_F(PicturesAtEveryScaleTest, ImageButtonsAndTheAboutPictureUseEveryDevicePixel) {
    const qreal ratio = form->devicePixelRatioF();
    ImageButton* button = form->scanPage->scanButton;
    const QImage shown = button->grab().toImage();
    const QImage drawing = rendered(QStringLiteral("scanButton.svg"), button->size(), ratio);
    // Inside the rounded corners, where the button's background does not show.
    // A picture enlarged from the plain screen's pixels is blurred at every edge
    // (about 15 % of these pixels); glyphs may differ in a few.
    const QRect inside = QRect(QPoint(0, 0), drawing.size()).adjusted(8, 8, -8, -8);
    EXPECT_LE(pixelsApart(shown, drawing, inside), inside.width() * inside.height() / 100);

    AboutBox about(dialogs, form.get());
    const QPixmap logo = about.programIcon->pixmap();
    EXPECT_EQ(logo.devicePixelRatio(), ratio);
    EXPECT_EQ(logo.deviceIndependentSize().toSize(), QSize(240, 150));
}

} // namespace
