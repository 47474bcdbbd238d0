#include "raster/scanpage.h"

#include "app/controls.h"
#include "app/imagebutton.h"
#include "app/mainform.h"
#include "app/scrollbox.h"
#include "raster/stretchdraw.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ScanPage::ScanPage(TMainForm& form)
    : PageFrame(QStringLiteral("Motiv einscannen - Scanner wählen und auf \"Go scan!\" klicken"),
                QStringLiteral("Label oder Cover scannen"), QStringLiteral("page-scan")),
      form_(form) {
    setObjectName(QStringLiteral("ScanSheet"));
    ScanBtn = new TImageButton(
        QStringLiteral("ScanBtn"), QStringLiteral("ScanBtnDown"),
        QStringLiteral("Klicken Sie hier, um das Benutzerinterface des Gerätes zu starten"), leftPanel());
    TSetupBtn = new TImageButton(
        QStringLiteral("TSetupBtn"), QStringLiteral("TsetupBtnDown"),
        QStringLiteral("Klicken Sie hier, um das Gerät zu wählen, von dem das Bild geholt werden soll"),
        leftPanel());
    leftControls()->addWidget(ScanBtn, 0, Qt::AlignHCenter);
    leftControls()->addWidget(TSetupBtn, 0, Qt::AlignHCenter);

    OpenBtn = new QPushButton(QStringLiteral("Bild öffnen..."), leftPanel());
    OpenBtn->setObjectName(QStringLiteral("OpenBtn"));
    SaveBtn = new QPushButton(QStringLiteral("Bild speichern..."), leftPanel());
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    leftControls()->addWidget(OpenBtn);
    leftControls()->addWidget(SaveBtn);

    ZoomEd = makeSpinEdit("ZoomEd", 10, 500, 10, 100, leftPanel());
    addLabelledRow(leftControls(), QStringLiteral("Zoom:"), ZoomEd, QStringLiteral("%"));
    connect(ZoomEd, &QSpinBox::valueChanged, this, &ScanPage::ZoomEdChange);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    ScanScrollBox = new ScrollBox(content());
    ScanScrollBox->setObjectName(QStringLiteral("ScanScrollBox"));
    ScanPaintBox = ScanScrollBox->paintBox();
    ScanPaintBox->setObjectName(QStringLiteral("ScanPaintBox"));
    ScanPaintBox->setCursor(Qt::PointingHandCursor);
    ScanPaintBox->onPaint = [this](QPainter& painter, const QRect&) { paintView(painter); };
    contentLayout->addWidget(ScanScrollBox);
}

QSize ScanPage::viewSize() const {
    const int zoom = ZoomEd->value();
    return {int(int64_t(form_.currentImage.width()) * zoom / 100),
            int(int64_t(form_.currentImage.height()) * zoom / 100)};
}

void ScanPage::ScanPaintBoxPaint() {
    const QSize size = viewSize();
    if (!ScanScrollBox->setPaintBoxSize(size.width(), size.height())) ScanPaintBox->repaint();
}

void ScanPage::ZoomEdChange() {
    ScanPaintBoxPaint();
}

void ScanPage::paintView(QPainter& painter) {
    const QSize size = viewSize();
    if (ScanPaintBox->size() != size) {
        // The next paint comes from the resize.
        QMetaObject::invokeMethod(this, &ScanPage::ScanPaintBoxPaint, Qt::QueuedConnection);
        return;
    }
    drawWholeDib(painter, QRect(QPoint(0, 0), size), form_.currentImage, true);
}
