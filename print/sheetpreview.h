#pragma once
// The sheet preview: the printer's page at screen resolution, white, with a
// copy of the finished label at every position of the shown sheet that the job
// fills. The "Drucken" page paints it; cdcover-batch writes it as a picture.
// For a format with a label shape every position of the sheet, empty or not,
// shows the shape's outline, and what lies outside it is dimmed.

#include "paper/labelshape.h"
#include "paper/papertype.h"
#include "print/labelbitmap.h"
#include "print/sheetlayout.h"

#include <QImage>
#include <QPainter>

#include <optional>

// Paints sheet `values.sheet` (values already corrected) of `size` at (0, 0):
// the label is rendered once at the screen's resolution and copied 1:1.
void paintSheetPreview(QPainter& painter, const DrawContext& drawing, QSize size, const PaperType& paper,
                       const PrintValues& values, const LabelContent& content, int dpi, int zoomPercent,
                       const std::optional<LabelShape>& shape = std::nullopt);

// The same as a picture, for a printer page of `printablePixels` at `printerDpi`;
// the values are corrected first. Null when memory is short.
QImage renderSheetPreview(const PaperType& paper, const PrintValues& values, const LabelContent& content,
                          QSize printablePixels, int printerDpi, int dpi, int zoomPercent,
                          const DrawContext& drawing, const std::optional<LabelShape>& shape = std::nullopt);
