#include "app/mainform.h"

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

TMainForm::TMainForm(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent), shell_(environment) {
    setObjectName(QStringLiteral("MainForm"));
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
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    layout->addWidget(PageControl2, 1);
    layout->addWidget(buildBottomBar());
    layout->addWidget(buildStatusBar());
    buildPages();
    installHistoryKeys();
    connect(&job, &CoverJob::fileNameChanged, this, &TMainForm::showFileNameInTitle);
    // The title's "*" while the job differs from the one saved, opened or begun.
    connect(&job.history().stack(), &QUndoStack::cleanChanged, this,
            [this](bool saved) { setWindowModified(!saved); });

    qApp->installEventFilter(this);
    FormCreate();
    // What the pages set while starting up is no step of the user's.
    job.history().clear();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

QWidget* TMainForm::buildTopBar() {
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
    NewCoverBtn = makeButton("NewCoverBtn", QStringLiteral("&Neu"), QStringLiteral("Neues Cover erstellen"));
    OpenCoverBtn =
        makeButton("OpenCoverBtn", QStringLiteral("Ö&ffnen..."), QStringLiteral("Cover öffnen..."));
    SaveCoverBtn =
        makeButton("SaveCoverBtn", QStringLiteral("&Speichern"), QStringLiteral("Cover speichern"));
    SaveCoverAsBtn = makeButton("SaveCoverAsBtn", QStringLiteral("Speichern &unter..."),
                                QStringLiteral("Cover speichern unter..."));
    connect(NewCoverBtn, &QPushButton::clicked, this, &TMainForm::NewCoverBtnClick);
    connect(OpenCoverBtn, &QPushButton::clicked, this, &TMainForm::OpenCoverBtnClick);
    connect(SaveCoverBtn, &QPushButton::clicked, this, &TMainForm::SaveCoverBtnClick);
    connect(SaveCoverAsBtn, &QPushButton::clicked, this, &TMainForm::SaveCoverAsBtnClick);
    row->addStretch(1);
    return bar;
}

QWidget* TMainForm::buildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setFixedHeight(41);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 0, 0, 0);
    row->setSpacing(0);

    wwwBtn = new QToolButton(bar);
    wwwBtn->setObjectName(QStringLiteral("wwwBtn"));
    wwwBtn->setAutoRaise(true);
    wwwBtn->setText(QStringLiteral("www.varnelt.example"));
    wwwBtn->setToolTip(QStringLiteral("Auf zur Varnelt Homepage..."));
    wwwBtn->setCursor(Qt::PointingHandCursor);
    connect(wwwBtn, &QToolButton::clicked, this, &TMainForm::wwwBtn0Click);
    row->addWidget(wwwBtn);
    row->addStretch(1);

    auto* right = new QWidget(bar);
    right->setFixedWidth(238);
    auto* buttons = new QHBoxLayout(right);
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->setSpacing(12);
    ueberbtn = new ImageButton(QStringLiteral("ueberbtn"), QStringLiteral("ueberBtn2"),
                               QStringLiteral("Informationen über das Programm"), right);
    EndeBtn = new ImageButton(QStringLiteral("EndeBtn"), QStringLiteral("EndeBtnDown"),
                              QStringLiteral("Hiermit verlassen Sie das Programm"), right);
    connect(ueberbtn, &ImageButton::clicked, this, &TMainForm::AboutBitBtnClick);
    connect(EndeBtn, &ImageButton::clicked, this, &TMainForm::QuitBtnClick);
    buttons->addWidget(ueberbtn);
    buttons->addWidget(EndeBtn);
    row->addWidget(right);
    return bar;
}

// A text panel of fixed width and the progress bar beside it.
QStatusBar* TMainForm::buildStatusBar() {
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

void TMainForm::buildPages() {
    scanPage = new ScanPage(job, shell_);
    retouchPage = new RetouchPage(job, shell_);
    annotationPage = new AnnotationPage(job, shell_);
    placementPage = new PlacementPage(job, shell_);
    printPage = new PrintPage(job, shell_);
    PageControl2->addTab(scanPage, pictures::icon(QStringLiteral("tab-scan")), QStringLiteral("Scannen"));
    PageControl2->addTab(retouchPage, pictures::icon(QStringLiteral("tab-retouch")),
                         QStringLiteral("Retuschieren"));
    PageControl2->addTab(annotationPage, pictures::icon(QStringLiteral("tab-notes")),
                         QStringLiteral("Kommentare"));
    PageControl2->addTab(placementPage, pictures::icon(QStringLiteral("tab-center")),
                         QStringLiteral("Zentrieren"));
    PageControl2->addTab(printPage, pictures::icon(QStringLiteral("tab-print")), QStringLiteral("Drucken"));
    PageControl2->setCurrentIndex(0);
    // The retouch page's "Datei" menu saves the image as the scan page does.
    connect(retouchPage, &RetouchPage::saveImageRequested, scanPage, &ScanPage::SaveBtnClick);
}

// The pages follow the job's signals: the batch lets each see the start-up
// state once, complete.
void TMainForm::FormCreate() {
    const CoverJob::ChangeBatch startUp(job);
    // The document is unnamed.
    Setsavedfilename(QString());
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
    placementPage->ComboBox1->setCurrentIndex(0);
}

void TMainForm::Setsavedfilename(const QString& fileName) {
    job.setFileName(fileName);
}

void TMainForm::showFileNameInTitle() {
    const QString& fileName = job.fileName();
    QString shown = fileName.isEmpty() ? QStringLiteral("Unbenannt.cov") : QFileInfo(fileName).fileName();
    // "[*]" is where Qt puts the "*" of unsaved changes; one in the name stays as it is.
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(productTitle() + QStringLiteral(" - [") + shown + QStringLiteral("[*]]"));
}

void TMainForm::setProgress(int percent) {
    shell_.showProgress(percent);
}

int TMainForm::progressValue() const {
    return shell_.progress();
}

QString TMainForm::statusText() const {
    return shell_.status();
}

ScrollBox* TMainForm::shownScrollBox() const {
    const auto* page = qobject_cast<const PageFrame*>(PageControl2->currentWidget());
    return page ? page->scrollBox() : nullptr;
}

void TMainForm::FormMouseWheelDown() {
    if (ScrollBox* box = shownScrollBox()) box->setVerticalPosition(box->verticalPosition() + 20);
}

void TMainForm::FormMouseWheelUp() {
    if (ScrollBox* box = shownScrollBox()) box->setVerticalPosition(box->verticalPosition() - 20);
}

bool TMainForm::handleWheel(QWidget* receiver, QWheelEvent* wheel) {
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

void TMainForm::scrollShownPage(int angle) {
    wheelAccumulator_ += angle;
    while (wheelAccumulator_ >= 120) {
        wheelAccumulator_ -= 120;
        FormMouseWheelUp();
    }
    while (wheelAccumulator_ <= -120) {
        wheelAccumulator_ += 120;
        FormMouseWheelDown();
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
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

void TMainForm::AboutBitBtnClick() {
    AboutBox box(dialogs(), this);
    dialogs().runModal(box);
}

void TMainForm::wwwBtn0Click() {
    dialogs().openWebAddress(QUrl(makerWebAddress()));
}

void TMainForm::QuitBtnClick() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    const QString caption = QStringLiteral("Programm beenden");
    if (!job.history().isSaved()) {
        event->setAccepted(saveChangesFirst(caption));
        return;
    }
    const MsgAnswer answer = dialogs().message(QStringLiteral("Hiermit beenden Sie das Programm."), caption,
                                               MsgButtons::OkCancel, MsgIcon::Information);
    event->setAccepted(answer == MsgAnswer::Ok);
}
