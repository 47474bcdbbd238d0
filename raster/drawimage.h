#pragma once
// drawImage: the one routine that puts a DibImage, or a rectangle of it,
// scaled onto any device: a view on screen, an off-screen image, a printer.
//
// It chooses among halftoning (24-bit images on screens of 8 bits or fewer),
// the own row scalers (every bit count on screens and off-screen images), and
// plain image stretching (printers); the caller says in the device's DrawContext
// which kind of device it draws on, and draws through an active painter. The
// row scalers compute only the part of the destination inside the painter's
// clip, in the device's own pixels, so a repaint costs the visible area whatever
// the zoom and the image's size, and a screen with a scale factor shows the
// picture at its full resolution.

#include "raster/dibimage.h"
#include "raster/dibrows.h"
#include "raster/drawcontext.h"

#include <QImage>
#include <QPainter>
#include <QRect>

// What drawImage asks of a device. PainterDibDevice does it on a QPainter;
// tests record which of the operations a drawing used.
class DibDevice {
  public:
    explicit DibDevice(const DrawContext& context) : context_(context) {}
    virtual ~DibDevice() = default;
    const DrawContext& context() const { return context_; }
    bool isPrinter() const { return context_.printer; }
    // Draws `source` of the image (x from the left, y counted in rows from the
    // bottom row, as DIB calls count) scaled into `dest`; nothing when the image
    // does not fit into the memory allowed.
    virtual void stretchDibits(const QRect& dest, const DibImage& image, const QRect& source) = 0;
    // Row scalers: the destination (in the painter's logical coordinates) in the
    // device's pixels, the part of the device that can show anything, and the
    // output of a finished block, both in those pixels too.
    virtual QRect devicePixels(const QRect& dest) const = 0;
    virtual QRect visibleArea() const = 0;
    virtual void drawBlock(const QPoint& at, const QImage& block) = 0;

  private:
    DrawContext context_;
};

class PainterDibDevice : public DibDevice {
  public:
    PainterDibDevice(QPainter& painter, const DrawContext& context) : DibDevice(context), painter_(painter) {}
    void stretchDibits(const QRect& dest, const DibImage& image, const QRect& source) override;
    QRect devicePixels(const QRect& dest) const override;
    QRect visibleArea() const override;
    void drawBlock(const QPoint& at, const QImage& block) override;

  protected:
    QPainter& painter_;
};

void drawImage(QPainter& dc, const DrawContext& context, int X, int Y, int DestWidth, int DestHeight,
               const DibImage& image, int SrcX, int SrcY, int SrcWidth, int SrcHeight, bool Halftone);
void drawImage(DibDevice& dc, int X, int Y, int DestWidth, int DestHeight, const DibImage& image, int SrcX,
               int SrcY, int SrcWidth, int SrcHeight, bool Halftone);

// Every caller draws the whole image: this is that call.
void drawWholeDib(QPainter& dc, const DrawContext& context, const QRect& dest, const DibImage& image,
                  bool halftone);

// The source rectangle clipped to a W × H image, the destination shrunk with it.
struct StretchRects {
    int X, Y, DestWidth, DestHeight, SrcX, SrcY, SrcWidth, SrcHeight;
    friend bool operator==(const StretchRects&, const StretchRects&) = default;
};
StretchRects clipToImage(StretchRects r, int W, int H);
