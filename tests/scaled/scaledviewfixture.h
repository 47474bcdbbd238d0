#pragma once
// The main window on a screen with a scale factor (QT_SCALE_FACTOR, see
// scaledmain.cpp), and what its views show, read in device pixels.

#include "support/mainwindowfixture.h"
#include "support/testimages.h"

#include <QSpinBox>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <set>

class ScaledViewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ratio = form->devicePixelRatio();
        ASSERT_GT(ratio, 1.0) << "these tests need a screen with a scale factor (QT_SCALE_FACTOR)";
    }

    // The view as it paints itself on the screen, in device pixels.
    QImage shot(QWidget* view) const {
        const QImage image = view->grab().toImage();
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        return image;
    }

    // The device pixels that lie wholly inside the logical rectangle `area`.
    QRect devicePixels(const QRect& area) const {
        return QRect(QPoint(int(std::ceil(area.left() * ratio)), int(std::ceil(area.top() * ratio))),
                     QPoint(int(std::floor((area.right() + 1) * ratio)) - 1,
                            int(std::floor((area.bottom() + 1) * ratio)) - 1));
    }

    // How many pixels of `area` (device pixels) are not `colour`.
    static int pixelsOtherThan(const QImage& image, const QRect& area, QRgb colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) != colour;
        return count;
    }

    // The columns and rows of the gradient picture (red = column, green = row,
    // blue = 7) that can be seen anywhere in `image`.
    static int gradientColumnsShown(const QImage& image) { return gradientChannelValues(image, qRed); }
    static int gradientRowsShown(const QImage& image) { return gradientChannelValues(image, qGreen); }

    // Makes the gradient the current picture, all of it marked.
    void useGradient(int width, int height) {
        form->job.replaceImage(gradientImage24(width, height));
        form->job.setRegion({0, 0, width, height});
    }

    // Types a new value into a spin edit and confirms it with Enter.
    static void typeInto(QSpinBox* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    qreal ratio = 1;

  private:
    static int gradientChannelValues(const QImage& image, int (*channel)(QRgb)) {
        std::set<int> values;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QRgb p = image.pixel(x, y); qBlue(p) == 7) values.insert(channel(p));
        return int(values.size());
    }
};
