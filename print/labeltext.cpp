#include "print/labeltext.h"

#include "base/cp1252.h"
#include "base/units.h"
#include "print/wingeometry.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// What the font system gives when asked for height 0.
constexpr int kDefaultCharacterHeight = 16;
// The note's frame lies this many device pixels outside the box, at any scale.
constexpr int kNoteMargin = 5;

QColor colorOf(ColorRef c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

struct Offset {
    int dx = 0, dy = 0;
};

// The outline's copies: every offset within q pixels with both parts non-zero,
// (2q)² of them, none straight left, right, above or below.
std::vector<Offset> outlineOffsets(double scale, const LabelRenderSettings& settings) {
    const int q = std::max(1, units::trunc32(0.2 * settings.ImagePixelSize * scale));
    std::vector<Offset> offsets;
    offsets.reserve(size_t(4) * q * q);
    for (int dx = -q; dx <= q; ++dx)
        for (int dy = -q; dy <= q; ++dy)
            if (dx != 0 && dy != 0) offsets.push_back({dx, dy});
    return offsets;
}

struct TextBox {
    int L, T, W, H;
};

// The text laid out once per object and drawn at every offset: shadow, outline
// copies and main text differ only in place and colour.
class LaidOutText {
  public:
    // Formatted: word-wrapped to `width` with the alignment; otherwise one line.
    LaidOutText(const QString& text, const QFont& font, QPaintDevice* device, std::optional<int> width,
                Qt::Alignment align)
        : layout_(text, font, device) {
        QTextOption option(align);
        option.setWrapMode(width ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout_.setTextOption(option);
        layout_.setCacheEnabled(true);
        // Lines follow each other at the font's height without extra leading,
        // as formatted output places them.
        qreal y = 0;
        layout_.beginLayout();
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            if (width) line.setLineWidth(*width);
            line.setPosition(QPointF(0, y));
            y = std::ceil(y + line.height());
        }
        layout_.endLayout();
        if (!width && layout_.lineCount() > 0) baseline_ = layout_.lineAt(0).ascent();
    }

    // Into `box`, cut at its edges: overhanging glyphs too, not only lines that do
    // not fit.
    void drawInBox(QPainter& canvas, const QRect& box) const {
        if (box.isEmpty()) return;
        canvas.save();
        canvas.setClipRect(box, Qt::IntersectClip);
        layout_.draw(&canvas, box.topLeft());
        canvas.restore();
    }

    // One line with its baseline starting at (x, y), turned clockwise.
    void drawFromBaseline(QPainter& canvas, int x, int y, int quarterTurns) const {
        const QTransform callers = canvas.worldTransform();
        QTransform turned = callers;
        turned.translate(x, y);
        turned.rotate(90.0 * quarterTurns);
        canvas.setWorldTransform(turned);
        layout_.draw(&canvas, QPointF(0, -baseline_));
        canvas.setWorldTransform(callers);
    }

  private:
    QTextLayout layout_;
    qreal baseline_ = 0;
};

Qt::Alignment alignmentOf(int32_t align) {
    return align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
}

void drawFormatted(QPainter& canvas, const AnnotationObject& object, const TextBox& b, int offsetX,
                   int offsetY, double scale, const LabelRenderSettings& settings) {
    QString content = fromCp1252(object.Text);
    content.replace(QChar(13), QChar::LineSeparator);
    const LaidOutText text(content, canvas.font(), canvas.device(), b.W, alignmentOf(object.Align));
    auto drawAt = [&](int left, int top, int right, int bottom) {
        text.drawInBox(canvas, QRect(left, top, right - left, bottom - top));
    };

    if (object.Shadow) {
        canvas.setPen(colorOf(object.shadowColor()));
        const double sx = object.ShadowX * settings.ImagePixelSize * scale;
        const double sy = object.ShadowY * settings.ImagePixelSize * scale;
        drawAt(units::trunc32(b.L + sx) - offsetX, units::trunc32(b.T + sy) - offsetY,
               units::trunc32(b.L + sx + b.W) - offsetX, units::trunc32(b.T + sy + b.H) - offsetY);
    }
    if (object.Outline) {
        canvas.setPen(colorOf(object.BorderColor));
        for (const Offset& o : outlineOffsets(scale, settings)) {
            const int x = b.L + o.dx - offsetX;
            const int y = b.T + o.dy - offsetY;
            drawAt(x, y, x + b.W, y + b.H);
        }
    }
    canvas.setPen(colorOf(object.Color));
    drawAt(b.L - offsetX, b.T - offsetY, b.L + b.W - offsetX, b.T + b.H - offsetY);
}

void drawRotated(QPainter& canvas, const AnnotationObject& object, int quarterTurns, const TextBox& b,
                 int offsetX, int offsetY, double scale, const LabelRenderSettings& settings) {
    QString content = fromCp1252(object.Text);
    content.replace(QChar(13), QChar(' '));
    const LaidOutText text(content, canvas.font(), canvas.device(), std::nullopt, Qt::AlignLeft);
    // The anchor corner makes the characters grow from that edge into the box.
    int ax = b.L, ay = b.T;
    if (quarterTurns == 2) ax = b.L + b.W;
    if (quarterTurns == 3) ax = b.L + b.W, ay = b.T + b.H;
    ax -= offsetX;
    ay -= offsetY;

    if (object.Shadow) {
        canvas.setPen(colorOf(object.shadowColor()));
        const int sx = units::trunc32(object.ShadowX * settings.ImagePixelSize * scale);
        const int sy = units::trunc32(object.ShadowY * settings.ImagePixelSize * scale);
        text.drawFromBaseline(canvas, ax + sx, ay + sy, quarterTurns);
    }
    if (object.Outline) {
        canvas.setPen(colorOf(object.BorderColor));
        for (const Offset& o : outlineOffsets(scale, settings))
            text.drawFromBaseline(canvas, ax + o.dx, ay + o.dy, quarterTurns);
    }
    canvas.setPen(colorOf(object.Color));
    text.drawFromBaseline(canvas, ax, ay, quarterTurns);
}

} // namespace

int textCharacterHeight(const AnnotationObject& object, double scale, const LabelRenderSettings& settings) {
    const double screenDpi = settings.screenDpi > 0 ? settings.screenDpi : 96;
    return units::trunc32(object.FontSize * settings.ImagePixelSize * scale * settings.fontDpi / screenDpi);
}

QFont textFont(const AnnotationObject& object, int height) {
    QFont font(fromCp1252(object.FontName));
    // A negative or zero height asks the font system for its default size.
    font.setPixelSize(height > 0 ? height : kDefaultCharacterHeight);
    font.setWeight(object.FontStyle & StyleBold ? QFont::Bold : QFont::Normal);
    font.setItalic(object.FontStyle & StyleItalic);
    font.setUnderline(object.FontStyle & StyleUnderline);
    font.setStrikeOut(object.FontStyle & StyleStrikeOut);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

void drawTextObject(QPainter& canvas, const AnnotationObject& object, int offsetX, int offsetY, double scale,
                    const LabelRenderSettings& settings) {
    const PixelScale pixels = PixelScale::render(scale);
    const TextBox box{withinReach(object.PixLeft(pixels)), withinReach(object.PixTop(pixels)),
                      withinReach(object.PixWidth(pixels)), withinReach(object.PixHeight(pixels))};
    if (object.framed() == 1) {
        const WinBox frame{box.L - offsetX - kNoteMargin, box.T - offsetY - kNoteMargin,
                           box.L + box.W - offsetX + kNoteMargin, box.T + box.H - offsetY + kNoteMargin};
        winRectangle(canvas, frame, WinPen{Qt::black, 1}, QColor(255, 255, 0));
        canvas.setBrush(QColor(255, 255, 0));
    }
    canvas.setBackgroundMode(Qt::TransparentMode);
    const QFont previous = canvas.font();
    QFont font = textFont(object, textCharacterHeight(object, scale, settings));
    // A canvas that asks for unsmoothed text gets it from the font as well.
    if (!canvas.testRenderHint(QPainter::TextAntialiasing))
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    canvas.setFont(font);
    // Quarter turns beyond 0..3 (from a foreign file) turn the same way as their
    // remainder, as the escapement 3600 − 900 × turns does.
    const int quarterTurns = ((object.Rotation % 4) + 4) % 4;
    if (quarterTurns == 0)
        drawFormatted(canvas, object, box, offsetX, offsetY, scale, settings);
    else
        drawRotated(canvas, object, quarterTurns, box, offsetX, offsetY, scale, settings);
    canvas.setFont(previous);
}
