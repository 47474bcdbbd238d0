#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "base/apptitle.h"
#include "base/screenfacts.h"
#include "base/units.h"
#include "document/jobhistory.h"
#include "objects/ui/annotationpage.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "print/printtarget.h"
#include "print/ui/printpage.h"
#include "raster/ui/scanpage.h"
#include "retouch/ui/retouchpage.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "widgets/imagebutton.h"
#include "widgets/pageframe.h"
#include "widgets/pictures.h"
#include "widgets/scrollbox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstring>

MainWindow::MainWindow(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent), shell_(environment) {
    setObjectName(QStringLiteral("MainWindow"));
    resize(638, 512);
    // Files dropped from a file manager open (givenfilecommands.cpp).
    setAcceptDrops(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    pageTabs = new QTabWidget(this);
    pageTabs->setObjectName(QStringLiteral("pageTabs"));
    layout->addWidget(pageTabs, 1);
    layout->addWidget(buildBottomBar());
    layout->addWidget(buildStatusBar());
    buildPages();
    installHistoryKeys();
    connect(&job, &CoverJob::fileNameChanged, this, &MainWindow::showFileNameInTitle);
    // The title's "*" while the job differs from the one saved, opened or begun.
    connect(&job.history().stack(), &QUndoStack::cleanChanged, this,
            [this](bool saved) { setWindowModified(!saved); });

    qApp->installEventFilter(this);
    FormCreate();
    // What the pages set while starting up is no step of the user's.
    job.history().clear();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

QWidget* MainWindow::buildTopBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setFixedHeight(27);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    auto makeButton = [&](const char* name, const QString& caption, const QString& hint) {
        auto* button = new QPushButton(caption, bar);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        row->addWidget(button);
        return button;
    };
    newCoverButton = makeButton("newCoverButton", tr("&Neu"), tr("Neues Cover erstellen"));
    openCoverButton = makeButton("openCoverButton", tr("Ö&ffnen..."), tr("Cover öffnen..."));
    saveCoverButton = makeButton("saveCoverButton", tr("&Speichern"), tr("Cover speichern"));
    saveCoverAsButton =
        makeButton("saveCoverAsButton", tr("Speichern &unter..."), tr("Cover speichern unter..."));
    connect(newCoverButton, &QPushButton::clicked, this, &MainWindow::newCover);
    connect(openCoverButton, &QPushButton::clicked, this, &MainWindow::openCover);
    connect(saveCoverButton, &QPushButton::clicked, this, &MainWindow::saveCover);
    connect(saveCoverAsButton, &QPushButton::clicked, this, &MainWindow::saveCoverAs);
    row->addStretch(1);
    return bar;
}

QWidget* MainWindow::buildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setFixedHeight(41);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 0, 0, 0);
    row->setSpacing(0);

    websiteButton = new QToolButton(bar);
    websiteButton->setObjectName(QStringLiteral("websiteButton"));
    websiteButton->setAutoRaise(true);
    websiteButton->setText(QStringLiteral("www.varnelt.example"));
    websiteButton->setToolTip(tr("Auf zur Varnelt Homepage..."));
    websiteButton->setCursor(Qt::PointingHandCursor);
    connect(websiteButton, &QToolButton::clicked, this, &MainWindow::openWebsite);
    row->addWidget(websiteButton);
    row->addStretch(1);

    auto* right = new QWidget(bar);
    right->setFixedWidth(238);
    auto* buttons = new QHBoxLayout(right);
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->setSpacing(12);
    aboutButton = new ImageButton(QStringLiteral("aboutButton"), QStringLiteral("aboutButtonDown"),
                                  tr("Informationen über das Programm"), right);
    quitButton = new ImageButton(QStringLiteral("quitButton"), QStringLiteral("quitButtonDown"),
                                 tr("Hiermit verlassen Sie das Programm"), right);
    connect(aboutButton, &ImageButton::clicked, this, &MainWindow::showAbout);
    connect(quitButton, &ImageButton::clicked, this, &MainWindow::quit);
    buttons->addWidget(aboutButton);
    buttons->addWidget(quitButton);
    row->addWidget(right);
    return bar;
}

// A text panel of fixed width and the progress bar beside it.
QStatusBar* MainWindow::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    auto* text = new QLabel(bar);
    text->setObjectName(QStringLiteral("statusText"));
    text->setFixedWidth(250);
    text->setFrameShape(QFrame::Panel);
    text->setFrameShadow(QFrame::Sunken);
    bar->addWidget(text);
    auto* progress = new QProgressBar(bar);
    progress->setObjectName(QStringLiteral("progressBar"));
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    bar->addWidget(progress, 1);
    shell_.attachStatusBar(text, progress);
    return bar;
}

void MainWindow::buildPages() {
    scanPage = new ScanPage(job, shell_);
    retouchPage = new RetouchPage(job, shell_);
    annotationPage = new AnnotationPage(job, shell_);
    placementPage = new PlacementPage(job, shell_);
    printPage = new PrintPage(job, shell_);
    pageTabs->addTab(scanPage, pictures::icon(QStringLiteral("tab-scan")), tr("Scannen"));
    pageTabs->addTab(retouchPage, pictures::icon(QStringLiteral("tab-retouch")), tr("Retuschieren"));
    pageTabs->addTab(annotationPage, pictures::icon(QStringLiteral("tab-notes")), tr("Kommentare"));
    pageTabs->addTab(placementPage, pictures::icon(QStringLiteral("tab-center")), tr("Zentrieren"));
    pageTabs->addTab(printPage, pictures::icon(QStringLiteral("tab-print")), tr("Drucken"));
    pageTabs->setCurrentIndex(0);
    // The retouch page's "Datei" menu saves the image as the scan page does.
    connect(retouchPage, &RetouchPage::saveImageRequested, scanPage, &ScanPage::saveImage);
}

// The pages follow the job's signals: the batch lets each see the start-up
// state once, complete.
void MainWindow::FormCreate() {
    const CoverJob::ChangeBatch startUp(job);
    // The document is unnamed.
    setSavedFileName(QString());
    // The retouch page starts without a drag.
    retouchPage->resetDragging();
    // The white start image and the marked region over all of it.
    job.makeWhiteStartImage(shell_.imageLimits());
    job.markWholeImage();
    // The effect menu from the filter table.
    retouchPage->buildEffectMenu();
    // The object table exists with every slot free.
    job.clearObjects();
    // One view pixel per image pixel at the start.
    const double unitsPerScreenPixel =
        units::kUnitsPerMm * units::kMmPerInch / shell_.screen().logicalDpiX * 2;
    job.setViewScales(1.0, unitsPerScreenPixel);
    job.setImagePixelSize(unitsPerScreenPixel);
    // The page is the printer's printable page.
    const PageSizeUnits page = pageSizeInUnits(shell_.printTarget());
    job.setPageSize(page.width, page.height);
    // The paper format catalogue in its list, the first entry chosen.
    shell_.paperCatalogue().load();
    placementPage->chooseFirstFormat();
}

void MainWindow::setSavedFileName(const QString& fileName) {
    job.setFileName(fileName);
}

void MainWindow::showFileNameInTitle() {
    const QString& fileName = job.fileName();
    QString shown = fileName.isEmpty() ? tr("Unbenannt.cov") : QFileInfo(fileName).fileName();
    // "[*]" is where Qt puts the "*" of unsaved changes; one in the name stays as it is.
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(productTitle() + QStringLiteral(" - [") + shown + QStringLiteral("[*]]"));
}

void MainWindow::setProgress(int percent) {
    shell_.showProgress(percent);
}

int MainWindow::progressValue() const {
    return shell_.progress();
}

QString MainWindow::statusText() const {
    return shell_.status();
}

ScrollBox* MainWindow::shownScrollBox() const {
    const auto* page = qobject_cast<const PageFrame*>(pageTabs->currentWidget());
    return page ? page->scrollBox() : nullptr;
}

void MainWindow::wheelTurned() {
    if (ScrollBox* box = shownScrollBox()) box->setVerticalPosition(box->verticalPosition() + 20);
}

void MainWindow::FormMouseWheelUp() {
    if (ScrollBox* box = shownScrollBox()) box->setVerticalPosition(box->verticalPosition() - 20);
}

bool MainWindow::handleWheel(QWidget* receiver, QWheelEvent* wheel) {
    // An event let through to a control and ignored there is handed on to the
    // control's parents, each time as a copy: it is the same turn of the wheel.
    const bool handedOn = wheel->timestamp() == passedWheelTime_ &&
                          wheel->angleDelta() == passedWheelAngle_ && passedWheelReceiver_ &&
                          passedWheelReceiver_ != receiver && receiver->isAncestorOf(passedWheelReceiver_);
    if (handedOn) return false;
    const QWidget* control = wheelControlOf(receiver);
    if (control && control->hasFocus()) {
        passedWheelReceiver_ = receiver;
        passedWheelTime_ = wheel->timestamp();
        passedWheelAngle_ = wheel->angleDelta();
        return false;
    }
    scrollShownPage(wheel->angleDelta().y());
    // Nothing else under the pointer turns with the page: no scroll bar, list or spin edit.
    wheel->accept();
    return true;
}

void MainWindow::scrollShownPage(int angle) {
    wheelAccumulator_ += angle;
    while (wheelAccumulator_ >= 120) {
        wheelAccumulator_ -= 120;
        FormMouseWheelUp();
    }
    while (wheelAccumulator_ <= -120) {
        wheelAccumulator_ += 120;
        wheelTurned();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool inWindow = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
    if (event->type() == QEvent::Wheel && inWindow)
        return handleWheel(static_cast<QWidget*>(watched), static_cast<QWheelEvent*>(event));
    if (event->type() == QEvent::ShortcutOverride && inWindow &&
        isHistoryKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore(); // the window's undo and redo keys take it
        return true;
    }
    return false;
}

void MainWindow::showAbout() {
    AboutBox box(dialogs(), this);
    dialogs().runModal(box);
}

void MainWindow::openWebsite() {
    dialogs().openWebAddress(QUrl(makerWebAddress()));
}

void MainWindow::quit() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const QString caption = tr("Programm beenden");
    if (!job.history().isSaved()) {
        event->setAccepted(saveChangesFirst(caption));
        return;
    }
    const MsgAnswer answer = dialogs().message(tr("Hiermit beenden Sie das Programm."), caption,
                                               MsgButtons::OkCancel, MsgIcon::Information);
    event->setAccepted(answer == MsgAnswer::Ok);
}
