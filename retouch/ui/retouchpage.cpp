#include "retouch/ui/retouchpage.h"

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "document/jobhistory.h"
#include "retouch/ui/retouchview.h"
#include "widgets/controls.h"
#include "widgets/historyentries.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

RetouchPage::RetouchPage(CoverJob& job, Shell& shell)
    : PageFrame(QStringLiteral("Retuschieren - Rand abschneiden und Effekte anwenden"),
                QStringLiteral("Bild retuschieren"), QStringLiteral("page-retouch")),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("RetuschSheet"));
    DateiPopup = new QMenu(this);
    DateiPopup->setObjectName(QStringLiteral("DateiPopup"));
    DateiPopup->setToolTipsVisible(true);
    SpeichernUnter1 = DateiPopup->addAction(QStringLiteral("&Speichern unter..."));
    SpeichernUnter1->setToolTip(QStringLiteral("Bild in einer Datei speichern"));
    connect(SpeichernUnter1, &QAction::triggered, this, &RetouchPage::saveImageRequested);
    EffektPopup = new QMenu(this);
    EffektPopup->setObjectName(QStringLiteral("EffektPopup"));
    EffektPopup->setToolTipsVisible(true);
    RetuschePopup = new QMenu(this);
    RetuschePopup->setObjectName(QStringLiteral("RetuschePopup"));
    RetuschePopup->setToolTipsVisible(true);
    addHistoryEntries(*RetuschePopup, job_.history().stack());
    buildRetuschePopup();

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
    RetuschPaint = new RetouchView(job_, shell_, *RetuschScrollBox);
    RetuschPaint->setObjectName(QStringLiteral("RetuschPaint"));
    contentLayout->addWidget(RetuschScrollBox);
}

QAction* RetouchPage::addCommand(const QString& caption, const QString& hint, const char* name,
                                 void (RetouchPage::*handler)()) {
    QAction* action = RetuschePopup->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void RetouchPage::buildRetuschePopup() {
    HellpBtn = addCommand(QStringLiteral("Helligkeit und &Kontrast..."),
                          QStringLiteral("Läßt Sie die Helligkeit und den Kontrast verändern"), "HellpBtn",
                          &RetouchPage::HellpBtnClick);
    RetuschePopup->addSeparator();
    RotLeftBtn = addCommand(QStringLiteral("&90° nach links rotieren"),
                            QStringLiteral("Rotiert das Bild um 90° nach links"), "RotLeftBtn",
                            &RetouchPage::RotLeftBtnClick);
    RotRightBtn = addCommand(QStringLiteral("9&0° nach rechts rotieren"),
                             QStringLiteral("Rotiert das Bild um 90° nach rechts"), "RotRightBtn",
                             &RetouchPage::RotRightBtnClick);
    turnByAngleAction = addCommand(QStringLiteral("&Drehen um Winkel..."),
                                   QStringLiteral("Dreht das Bild um einen beliebigen Winkel"),
                                   "turnByAngleAction", &RetouchPage::turnByAngle);
    RetuschePopup->addSeparator();
    FlipHBtn = addCommand(QStringLiteral("&Horizontal spiegeln"),
                          QStringLiteral("Spiegelt das Bild an einer horizontalen Achse"), "FlipHBtn",
                          &RetouchPage::FlipHBtnClick);
    FlipVBtn = addCommand(QStringLiteral("&Vertikal spiegeln"),
                          QStringLiteral("Spiegelt das Bild an einer vertikalen Achse"), "FlipVBtn",
                          &RetouchPage::FlipVBtnClick);
    RetuschePopup->addSeparator();
    SchnittBtn = addCommand(QStringLiteral("&Rand abschneiden"),
                            QStringLiteral("Schneidet den Rand ab, und läßt das markierte Stück übrig"),
                            "SchnittBtn", &RetouchPage::SchnittBtnClick);
    autoCropAction =
        addCommand(QStringLiteral("&Automatisch zuschneiden"),
                   QStringLiteral("Sucht die CD oder das Cover auf dem Bild und schneidet es gerade aus"),
                   "autoCropAction", &RetouchPage::autoCrop);
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

void RetouchPage::RetuschPaintPaint() {
    RetuschPaint->fitToImage();
}

void RetouchPage::ZoomEd2Change() {
    RetuschPaint->setZoom(ZoomEd2->value());
}

void RetouchPage::resetDragging() {
    RetuschPaint->cancelDrag();
}

ProgressFn RetouchPage::progress() {
    return [this](int percent) { shell_.showProgress(percent); };
}

bool RetouchPage::replaceImage(DibImage image, RegionAfter region, const QString& stepName) {
    if (image.isNull()) return false;
    replaceImageAsStep(job_, stepName, std::move(image), region == RegionAfter::WholeImage);
    return true;
}
