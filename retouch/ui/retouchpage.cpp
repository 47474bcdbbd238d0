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
    : PageFrame(tr("Retuschieren - Rand abschneiden und Effekte anwenden"), tr("Bild retuschieren"),
                QStringLiteral("page-retouch")),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("RetuschSheet"));
    fileMenu = new QMenu(this);
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->setToolTipsVisible(true);
    saveImageAsAction = fileMenu->addAction(tr("&Speichern unter..."));
    saveImageAsAction->setToolTip(tr("Bild in einer Datei speichern"));
    connect(saveImageAsAction, &QAction::triggered, this, &RetouchPage::saveImageRequested);
    effectsMenu = new QMenu(this);
    effectsMenu->setObjectName(QStringLiteral("effectsMenu"));
    effectsMenu->setToolTipsVisible(true);
    retouchMenu = new QMenu(this);
    retouchMenu->setObjectName(QStringLiteral("retouchMenu"));
    retouchMenu->setToolTipsVisible(true);
    addHistoryEntries(*retouchMenu, job_.history().stack());
    buildRetuschePopup();

    auto* menuPanel = new QWidget(leftPanel());
    menuPanel->setObjectName(QStringLiteral("MenuPanel"));
    auto* menuRow = new QHBoxLayout(menuPanel);
    menuRow->setContentsMargins(0, 0, 0, 0);
    menuRow->setSpacing(2);
    fileMenuButton = makeMenuButton("fileMenuButton", tr("Datei"), tr("Datei Menü aufrufen..."), fileMenu);
    effectsMenuButton =
        makeMenuButton("effectsMenuButton", tr("Effekte"), tr("Effektfilter anwenden..."), effectsMenu);
    retouchMenuButton =
        makeMenuButton("retouchMenuButton", tr("Retusche"), tr("Bild nachbessern..."), retouchMenu);
    for (QToolButton* button : {fileMenuButton, effectsMenuButton, retouchMenuButton}) {
        button->setParent(menuPanel);
        menuRow->addWidget(button);
    }
    connect(fileMenuButton, &QToolButton::clicked, this, &RetouchPage::showFileMenu);
    connect(effectsMenuButton, &QToolButton::clicked, this, &RetouchPage::showEffectsMenu);
    connect(retouchMenuButton, &QToolButton::clicked, this, &RetouchPage::showRetouchMenu);
    leftControls()->addWidget(menuPanel);

    zoomSpin = makeSpinEdit("zoomSpin", 10, 500, 10, 100, leftPanel());
    zoomSpin->setToolTip(tr("Dient der Vergrößerung und Verkleinerung der Ansicht des Bildes"));
    addLabelledRow(leftControls(), tr("Zoom:"), zoomSpin, QStringLiteral("%"));
    connect(zoomSpin, &QSpinBox::valueChanged, this, &RetouchPage::zoomChanged);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    retouchScroll = new ScrollBox(content());
    retouchScroll->setObjectName(QStringLiteral("retouchScroll"));
    retouchView = new RetouchView(job_, shell_, *retouchScroll);
    retouchView->setObjectName(QStringLiteral("retouchView"));
    contentLayout->addWidget(retouchScroll);
}

QAction* RetouchPage::addCommand(const QString& caption, const QString& hint, const char* name,
                                 void (RetouchPage::*handler)()) {
    QAction* action = retouchMenu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void RetouchPage::buildRetuschePopup() {
    brightnessAction = addCommand(tr("Helligkeit und &Kontrast..."),
                                  tr("Läßt Sie die Helligkeit und den Kontrast verändern"),
                                  "brightnessAction", &RetouchPage::adjustBrightness);
    retouchMenu->addSeparator();
    rotateLeftAction = addCommand(tr("&90° nach links rotieren"), tr("Rotiert das Bild um 90° nach links"),
                                  "rotateLeftAction", &RetouchPage::rotateLeft);
    rotateRightAction = addCommand(tr("9&0° nach rechts rotieren"), tr("Rotiert das Bild um 90° nach rechts"),
                                   "rotateRightAction", &RetouchPage::rotateRight);
    turnByAngleAction =
        addCommand(tr("&Drehen um Winkel..."), tr("Dreht das Bild um einen beliebigen Winkel"),
                   "turnByAngleAction", &RetouchPage::turnByAngle);
    retouchMenu->addSeparator();
    flipHorizontalAction =
        addCommand(tr("&Horizontal spiegeln"), tr("Spiegelt das Bild an einer horizontalen Achse"),
                   "flipHorizontalAction", &RetouchPage::flipHorizontally);
    flipVerticalAction =
        addCommand(tr("&Vertikal spiegeln"), tr("Spiegelt das Bild an einer vertikalen Achse"),
                   "flipVerticalAction", &RetouchPage::flipVertically);
    retouchMenu->addSeparator();
    cropAction =
        addCommand(tr("&Rand abschneiden"), tr("Schneidet den Rand ab, und läßt das markierte Stück übrig"),
                   "cropAction", &RetouchPage::crop);
    autoCropAction = addCommand(tr("&Automatisch zuschneiden"),
                                tr("Sucht die CD oder das Cover auf dem Bild und schneidet es gerade aus"),
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

void RetouchPage::showFileMenu() {
    fileMenu->popup(menuPosition(fileMenuButton));
}
void RetouchPage::showEffectsMenu() {
    effectsMenu->popup(menuPosition(effectsMenuButton));
}
void RetouchPage::showRetouchMenu() {
    retouchMenu->popup(menuPosition(retouchMenuButton));
}

void RetouchPage::fitViewToImage() {
    retouchView->fitToImage();
}

void RetouchPage::zoomChanged() {
    retouchView->setZoom(zoomSpin->value());
}

void RetouchPage::resetDragging() {
    retouchView->cancelDrag();
}

ProgressFn RetouchPage::progress() {
    return [this](int percent) { shell_.showProgress(percent); };
}

bool RetouchPage::replaceImage(DibImage image, RegionAfter region, const QString& stepName) {
    if (image.isNull()) return false;
    replaceImageAsStep(job_, stepName, std::move(image), region == RegionAfter::WholeImage);
    return true;
}
