#pragma once
// StretchDrawDib: the one routine that puts a DibImage, or a rectangle of it,
// scaled onto any device: a view on screen, an off-screen image, a printer.
//
// It chooses among halftoning (24-bit images on screens of 8 bits or fewer),
// the own row scalers (every bit count on screens and off-screen images), and
// plain image stretching (printers), with two fallbacks for devices on which
// stretching fails; the caller says in the device's DrawContext which kind of
// device it draws on. The row scalers compute only the part of the destination
// inside the painter's clip, in the device's own pixels, so a repaint costs the
// visible area whatever the zoom and the image's size, and a screen with a scale
// factor shows the picture at its full resolution.

#include "raster/dibimage.h"
#include "raster/dibrows.h"
#include "raster/drawcontext.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <optional>

// Raster operations, with the values of the Windows constants.
enum RasterOp : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
};

// What StretchDrawDib asks of a device. PainterDibDevice does it on a QPainter;
// tests replace single operations to reach the fallbacks.
class DibDevice {
  public:
    explicit DibDevice(const DrawContext& context) : context_(context) {}
    virtual ~DibDevice() = default;
    const DrawContext& context() const { return context_; }
    bool isPrinter() const { return context_.printer; }
    // The device takes device-independent pixels directly (the first fallback needs it).
    virtual bool acceptsDibs() const = 0;
    // Draws `source` of the image (x from the left, y counted in rows from the
    // bottom row, as DIB calls count) scaled into `dest`. False when it fails.
    virtual bool stretchDibits(const QRect& dest, const DibImage& image, const QRect& source,
                               uint32_t rop) = 0;
    // Draws the whole image 1:1 with its top-left corner at `at`.
    virtual bool setDibitsToDevice(const QPoint& at, const DibImage& image) = 0;
    // Second fallback: a bitmap in the device's own format, filled, then stretched.
    virtual std::optional<QImage> createCompatibleBitmap(int width, int height) = 0;
    virtual bool setDibits(QImage& bitmap, const DibImage& image) = 0;
    virtual bool stretchBlt(const QRect& dest, const QImage& bitmap, const QRect& source, uint32_t rop) = 0;
    // Row scalers: the destination (in the painter's logical coordinates) in the
    // device's pixels, the part of the device that can show anything, and the
    // output of a finished block, both in those pixels too.
    virtual QRect devicePixels(const QRect& dest) const = 0;
    virtual QRect visibleArea() const = 0;
    virtual void drawBlock(const QPoint& at, const QImage& block, uint32_t rop) = 0;

  private:
    DrawContext context_;
};

class PainterDibDevice : public DibDevice {
  public:
    PainterDibDevice(QPainter& painter, const DrawContext& context) : DibDevice(context), painter_(painter) {}
    bool acceptsDibs() const override;
    bool stretchDibits(const QRect& dest, const DibImage& image, const QRect& source, uint32_t rop) override;
    bool setDibitsToDevice(const QPoint& at, const DibImage& image) override;
    std::optional<QImage> createCompatibleBitmap(int width, int height) override;
    bool setDibits(QImage& bitmap, const DibImage& image) override;
    bool stretchBlt(const QRect& dest, const QImage& bitmap, const QRect& source, uint32_t rop) override;
    QRect devicePixels(const QRect& dest) const override;
    QRect visibleArea() const override;
    void drawBlock(const QPoint& at, const QImage& block, uint32_t rop) override;

  protected:
    QPainter& painter_;
};

void StretchDrawDib(QPainter& dc, const DrawContext& context, int X, int Y, int DestWidth, int DestHeight,
                    const DibImage& image, int SrcX, int SrcY, int SrcWidth, int SrcHeight, bool Halftone,
                    uint32_t Rop = SRCCOPY);
void StretchDrawDib(DibDevice& dc, int X, int Y, int DestWidth, int DestHeight, const DibImage& image,
                    int SrcX, int SrcY, int SrcWidth, int SrcHeight, bool Halftone, uint32_t Rop = SRCCOPY);

// Every caller draws the whole image: this is that call.
void drawWholeDib(QPainter& dc, const DrawContext& context, const QRect& dest, const DibImage& image,
                  bool halftone);

// The source rectangle clipped to a W × H image, the destination shrunk with it.
struct StretchRects {
    int X, Y, DestWidth, DestHeight, SrcX, SrcY, SrcWidth, SrcHeight;
    friend bool operator==(const StretchRects&, const StretchRects&) = default;
};
StretchRects clipToImage(StretchRects r, int W, int H);

// The first fallback's scaler: nearest neighbour with both end points aligned,
// rows counted from the bottom like the source's (SrcY from the bottom row).
// A destination one pixel wide or high takes the first source column or row.
DibImage scaleEndpointAligned(const DibImage& image, int SrcX, int SrcY, int SrcWidth, int SrcHeight,
                              int DestWidth, int DestHeight, const ImageLimits& limits = {});
