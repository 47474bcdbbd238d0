#include "retouch/retouchpage.h"

#include "app/controls.h"
#include "app/mainform.h"
#include "app/scrollbox.h"
#include "raster/stretchdraw.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

RetouchPage::RetouchPage(TMainForm& form)
    : PageFrame(QStringLiteral("Retuschieren - Rand abschneiden und Effekte anwenden"),
                QStringLiteral("Bild retuschieren"), QStringLiteral("page-retouch")),
      form_(form) {
    setObjectName(QStringLiteral("RetuschSheet"));
    DateiPopup = new QMenu(this);
    DateiPopup->setObjectName(QStringLiteral("DateiPopup"));
    DateiPopup->setToolTipsVisible(true);
    SpeichernUnter1 = DateiPopup->addAction(QStringLiteral("&Speichern unter..."));
    SpeichernUnter1->setToolTip(QStringLiteral("Bild in einer Datei speichern"));
    EffektPopup = new QMenu(this);
    EffektPopup->setObjectName(QStringLiteral("EffektPopup"));
    EffektPopup->setToolTipsVisible(true);
    RetuschePopup = new QMenu(this);
    RetuschePopup->setObjectName(QStringLiteral("RetuschePopup"));
    RetuschePopup->setToolTipsVisible(true);

    auto* menuPanel = new QWidget(leftPanel());
    menuPanel->setObjectName(QStringLiteral("MenuPanel"));
    auto* menuRow = new QHBoxLayout(menuPanel);
    menuRow->setContentsMargins(0, 0, 0, 0);
    menuRow->setSpacing(2);
    DateiButton = makeMenuButton("DateiButton", QStringLiteral("Datei"),
                                 QStringLiteral("Datei Menü aufrufen..."), DateiPopup);
    EffekteButton = makeMenuButton("EffekteButton", QStringLiteral("Effekte"),
                                   QStringLiteral("Effektfilter anwenden..."), EffektPopup);
    RetuscheButton = makeMenuButton("RetuscheButton", QStringLiteral("Retusche"),
                                    QStringLiteral("Bild nachbessern..."), RetuschePopup);
    for (QToolButton* button : {DateiButton, EffekteButton, RetuscheButton}) {
        button->setParent(menuPanel);
        menuRow->addWidget(button);
    }
    connect(DateiButton, &QToolButton::clicked, this, &RetouchPage::DateiButtonClick);
    connect(EffekteButton, &QToolButton::clicked, this, &RetouchPage::EffekteButtonClick);
    connect(RetuscheButton, &QToolButton::clicked, this, &RetouchPage::RetuscheButtonClick);
    leftControls()->addWidget(menuPanel);

    ZoomEd2 = makeSpinEdit("ZoomEd2", 10, 500, 10, 100, leftPanel());
    ZoomEd2->setToolTip(QStringLiteral("Dient der Vergrößerung und Verkleinerung der Ansicht des Bildes"));
    addLabelledRow(leftControls(), QStringLiteral("Zoom:"), ZoomEd2, QStringLiteral("%"));
    connect(ZoomEd2, &QSpinBox::valueChanged, this, &RetouchPage::ZoomEd2Change);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    RetuschScrollBox = new ScrollBox(content());
    RetuschScrollBox->setObjectName(QStringLiteral("RetuschScrollBox"));
    RetuschPaint = RetuschScrollBox->paintBox();
    RetuschPaint->setObjectName(QStringLiteral("RetuschPaint"));
    RetuschPaint->onPaint = [this](QPainter& painter, const QRect&) { paintView(painter); };
    contentLayout->addWidget(RetuschScrollBox);
}

QToolButton* RetouchPage::makeMenuButton(const char* name, const QString& caption, const QString& hint,
                                         QMenu* menu) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    // The menu also opens as the button's context menu.
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, button,
            [button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
    return button;
}

QPoint RetouchPage::menuPosition(const QWidget* button) {
    const QPoint topLeft = button->parentWidget()->mapToGlobal(button->pos());
    return {topLeft.x(), topLeft.y() + button->height()};
}

void RetouchPage::DateiButtonClick() {
    DateiPopup->popup(menuPosition(DateiButton));
}
void RetouchPage::EffekteButtonClick() {
    EffektPopup->popup(menuPosition(EffekteButton));
}
void RetouchPage::RetuscheButtonClick() {
    RetuschePopup->popup(menuPosition(RetuscheButton));
}

QSize RetouchPage::viewSize() const {
    const int zoom = ZoomEd2->value();
    return {int(int64_t(form_.currentImage.width()) * zoom / 100),
            int(int64_t(form_.currentImage.height()) * zoom / 100)};
}

void RetouchPage::RetuschPaintPaint() {
    const QSize size = viewSize();
    if (!RetuschScrollBox->setPaintBoxSize(size.width(), size.height())) RetuschPaint->repaint();
}

void RetouchPage::ZoomEd2Change() {
    RetuschPaintPaint();
}

void RetouchPage::paintView(QPainter& painter) {
    const QSize size = viewSize();
    if (RetuschPaint->size() != size) {
        QMetaObject::invokeMethod(this, &RetouchPage::RetuschPaintPaint, Qt::QueuedConnection);
        return;
    }
    drawWholeDib(painter, QRect(QPoint(0, 0), size), form_.currentImage, true);
}
