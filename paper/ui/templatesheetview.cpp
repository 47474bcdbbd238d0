#include "paper/ui/templatesheetview.h"

#include "paper/labeloutline.h"

#include <QPainter>

#include <algorithm>

TemplateSheetView::TemplateSheetView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sheetView"));
    setFixedSize(180, 240);
}

void TemplateSheetView::showSheet(const std::optional<LabelTemplate>& label, int grid) {
    label_ = label;
    grid_ = grid;
    update();
}

void TemplateSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!label_) return;
    // A sheet of unknown size is drawn as large as its labels reach.
    double width = label_->sheetWidth, height = label_->sheetHeight;
    for (const TemplateLayout& layout : label_->layouts) {
        width = std::max(width, layout.x0 + (layout.nx - 1) * layout.dx + label_->labelWidth);
        height = std::max(height, layout.y0 + (layout.ny - 1) * layout.dy + label_->labelHeight);
    }
    const double scale = std::min((this->width() - 8) / width, (this->height() - 8) / height);
    const QPointF origin((this->width() - width * scale) / 2, (this->height() - height * scale) / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(origin, QSizeF(width * scale, height * scale)), Qt::white);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.drawRect(QRectF(origin, QSizeF(width * scale, height * scale)));
    for (size_t g = 0; g < label_->layouts.size(); ++g) {
        const TemplateLayout& layout = label_->layouts[g];
        painter.setBrush(int(g) == grid_ ? QColor(0x99, 0xbb, 0xee) : QColor(0xe8, 0xe8, 0xe8));
        for (int y = 0; y < layout.ny; ++y)
            for (int x = 0; x < layout.nx; ++x) {
                const QRectF box(origin.x() + (layout.x0 + x * layout.dx) * scale,
                                 origin.y() + (layout.y0 + y * layout.dy) * scale, label_->labelWidth * scale,
                                 label_->labelHeight * scale);
                painter.drawPath(labelOutline(label_->shape, box, scale));
            }
    }
}
