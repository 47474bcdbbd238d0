#pragma once
// Shared set-up of the renderer tests: a small white picture, a table, and a
// scale at which one image pixel is one device pixel (1024 units each, so the
// conversions are exact).

#include "document/objecttable.h"
#include "print/annotationpainter.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>

#include <gtest/gtest.h>

class RenderTest : public ::testing::Test {
  protected:
    static constexpr int kUnits = 1024; // internal units per image pixel
    static constexpr double kScale = 1.0 / kUnits;

    RenderTest() : table(std::make_unique<ObjectTable>()) { settings.ImagePixelSize = kUnits; }

    AnnotationObject& place(int slot, int32_t kind, int left, int top, int width, int height) {
        AnnotationObject& object = table->slot(slot);
        object.Kind = kind;
        object.Left = left * kUnits;
        object.Top = top * kUnits;
        object.Width = width * kUnits;
        object.Height = height * kUnits;
        return object;
    }
    AnnotationObject& figure(int slot, int32_t shape, int left, int top, int width, int height,
                             ColorRef color = 0xFF) {
        AnnotationObject& object = place(slot, KindFigure, left, top, width, height);
        object.Shape = shape;
        object.Color = color;
        object.LineWidth = 1;
        return object;
    }
    AnnotationObject& text(int slot, const QByteArray& content, int left, int top, int width, int height) {
        AnnotationObject& object = place(slot, KindText, left, top, width, height);
        object.Text = content;
        object.FontName = "Liberation Sans";
        object.FontSize = 20;
        object.Color = 0;
        return object;
    }

    // Renders the table onto a picture of `size` filled with `background`.
    QImage render(QSize size = {60, 60}, double scale = kScale, int offsetX = 0, int offsetY = 0,
                  QColor background = Qt::white, bool antialiasText = false) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, antialiasText);
        paintAnnotations(painter, offsetX, offsetY, scale, *table, settings);
        return image;
    }

    static QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
    // The smallest rectangle holding every pixel that differs from `background`.
    static QRect inkBounds(const QImage& image, QColor background = Qt::white) {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    std::unique_ptr<ObjectTable> table;
    LabelRenderSettings settings;
};

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kWhite(255, 255, 255);
inline const QColor kGreen(0, 255, 0);
