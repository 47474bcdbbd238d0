#include "print/ui/printpage.h"

#include "print/sheetpreview.h"

#include "document/coverjob.h"
#include "document/valuesteps.h"
#include "print/joblabel.h"
#include "print/printercalibrations.h"
#include "print/printrun.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/printfile.h"
#include "raster/stretchdraw.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "widgets/dragscroll.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kNoFormatText = QStringLiteral("Sie haben noch kein Papierformat ausgewählt! Bitte wählen Sie "
                                             "unter \"Zentrieren\" das Papierformat aus!");

} // namespace

PrintPage::PrintPage(CoverJob& job, Shell& shell)
    : PageFrame(QStringLiteral("Drucken - Anzahl der zu druckenden Elemente wählen und auf \"Go!\" klicken"),
                QStringLiteral("Label/Cover Drucken"), QStringLiteral("page-print")),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("DruckSheet"));
    SetupBtn = new ImageButton(
        QStringLiteral("SetupBtn"), QStringLiteral("SetupBtnDown"),
        QStringLiteral("Klicken Sie hier, um einen anderen Drucker oder ein anderes Papierformat zu wählen"),
        leftPanel());
    GoBtn1 = new ImageButton(QStringLiteral("GoBtn1"), QStringLiteral("GoBtn1Down"),
                             QStringLiteral("Startet den Druckvorgang!"), leftPanel());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetupBtn);
    buttons->addWidget(GoBtn1);
    leftControls()->addLayout(buttons);
    buildJobControls();
    KalibrateBtn = new QPushButton(QStringLiteral("Drucker &kalibrieren..."), leftPanel());
    KalibrateBtn->setObjectName(QStringLiteral("KalibrateBtn"));
    leftControls()->addWidget(KalibrateBtn);
    connect(SetupBtn, &ImageButton::clicked, this, &PrintPage::SetupBtnClick);
    connect(GoBtn1, &ImageButton::clicked, this, &PrintPage::GoBtn1Click);
    connect(KalibrateBtn, &QPushButton::clicked, this, &PrintPage::KalibrateBtnClick);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    ScrollBox3 = new ScrollBox(content());
    ScrollBox3->setObjectName(QStringLiteral("ScrollBox3"));
    VPaint = ScrollBox3->paintBox();
    VPaint->setObjectName(QStringLiteral("VPaint"));
    VPaint->setCursor(Qt::PointingHandCursor);
    // Whatever its size, the first paint when the page is shown fits it to the sheet.
    VPaint->resize(1, 1);
    VPaint->onPaint = [this](QPainter& painter, const QRect&) { paintSheet(painter); };
    VPaint->onMouseDown = [this](QMouseEvent* event) { VPaintMouseDown(event); };
    VPaint->onMouseMove = [this](QMouseEvent* event) { VPaintMouseMove(event); };
    VPaint->onMouseUp = [this](QMouseEvent* event) { VPaintMouseUp(event); };
    contentLayout->addWidget(ScrollBox3);

    connect(&job_, &CoverJob::printValuesChanged, this, &PrintPage::showPrintValues);
    connect(&job_, &CoverJob::paperFormatChanged, this, &PrintPage::showLabelShape);
    connect(&job_, &CoverJob::printValuesChanged, VPaint, qOverload<>(&QWidget::update));
    for (auto change : {&CoverJob::imageChanged, &CoverJob::objectsChanged, &CoverJob::placementChanged,
                        &CoverJob::paperFormatChanged})
        connect(&job_, change, VPaint, qOverload<>(&QWidget::update));
}

void PrintPage::showEvent(QShowEvent* event) {
    PageFrame::showEvent(event);
    // Coming to the page without a format is told once, after the page is
    // shown; not when the window comes back from the task bar.
    if (!event->spontaneous() && !job_.paperFormat())
        QMetaObject::invokeMethod(this, &PrintPage::reportMissingFormat, Qt::QueuedConnection);
}

void PrintPage::buildJobControls() {
    QWidget* panel = leftPanel();
    UsedED = makeSpinEdit("UsedED", 0, 100, 1, 0, panel);
    UsedED->setToolTip(QStringLiteral("Schon bedruckte Positionen festlegen"));
    KopiesED = makeSpinEdit("KopiesED", 1, 1000, 1, 1, panel);
    KopiesED->setToolTip(QStringLiteral("Anzahl der Kopien festlegen"));
    PageEd = makeSpinEdit("PageEd", 1, 1000, 1, 1, panel);
    ZoomEd4 = makeSpinEdit("ZoomEd4", 10, 500, 10, 100, panel);
    addLabelledRow(leftControls(), QStringLiteral("Schon benutzte:"), UsedED);
    addLabelledRow(leftControls(), QStringLiteral("Kopien:"), KopiesED);
    addLabelledRow(leftControls(), QStringLiteral("Gezeigte Seite:"), PageEd);
    addLabelledRow(leftControls(), QStringLiteral("Zoom:"), ZoomEd4, QStringLiteral("%"));
    connect(UsedED, &QSpinBox::valueChanged, this, &PrintPage::UsedEDChange);
    connect(KopiesED, &QSpinBox::valueChanged, this, &PrintPage::KopiesEDChange);
    connect(PageEd, &QSpinBox::valueChanged, this, &PrintPage::PageEdChange);
    connect(ZoomEd4, &QSpinBox::valueChanged, this, &PrintPage::ZoomEd4Change);
    // Two lines: the left panel is too narrow for the sentence in one.
    ClipCB = new QCheckBox(QStringLiteral("Nur innerhalb der\nEtikettform drucken"), panel);
    ClipCB->setObjectName(QStringLiteral("ClipCB"));
    ClipCB->setToolTip(QStringLiteral("Bild und Objekte auf die Form des Etiketts beschneiden, bei CD/DVD "
                                      "auch das Loch freilassen"));
    ClipCB->setVisible(false);
    leftControls()->addWidget(ClipCB);
    connect(ClipCB, &QCheckBox::clicked, this, &PrintPage::ClipCBClick);
}

void PrintPage::ClipCBClick() {
    setPrintValuesAsStep(job_, jobValues());
    VPaint->update();
}

CalibrationDialog& PrintPage::KalForm() {
    if (!kalForm_)
        kalForm_ = new CalibrationDialog(shell_.printerCalibrations(), shell_.printTarget(), shell_.dialogs(),
                                         window());
    return *kalForm_;
}

PrintValues PrintPage::jobValues() const {
    return {UsedED->value(), KopiesED->value(), PageEd->value(), ClipCB->isChecked()};
}

// Values set from elsewhere show in their edits; an edit already showing its
// value is left alone, so a number being typed stays as typed.
// The edits are quiet meanwhile: each would hand the job all values, the others
// still old, before they were shown. The preview repaints on the job's signal.
void PrintPage::showPrintValues() {
    const PrintValues values = job_.printValues();
    const QSignalBlocker quietUsed(UsedED), quietCopies(KopiesED), quietSheet(PageEd);
    if (UsedED->value() != values.used) UsedED->setValue(values.used);
    if (KopiesED->value() != values.copies) KopiesED->setValue(values.copies);
    if (PageEd->value() != values.sheet) PageEd->setValue(values.sheet);
    ClipCB->setChecked(values.clipToShape);
}

void PrintPage::showLabelShape() {
    ClipCB->setVisible(job_.labelShape().has_value());
}

LabelContent PrintPage::labelContent() const {
    return labelContentOf(job_, shell_.screen().logicalDpiX);
}

// --- the sheet preview --------------------------------------------------------------

QSize PrintPage::sheetSize() const {
    const QSize size = previewSheetSize(shell_.printTarget().printableSize(), shell_.screen().logicalDpiX,
                                        shell_.printTarget().dpiX(), ZoomEd4->value());
    return size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void PrintPage::reportMissingFormat() {
    // The user may have gone on to another page meanwhile.
    if (!isVisible() || job_.paperFormat()) return;
    shell_.dialogs().message(kNoFormatText, QString(), MsgButtons::Ok, MsgIcon::Error);
}

void PrintPage::VPaintPaint() {
    if (!job_.paperFormat()) {
        VPaint->update();
        return;
    }
    const QSize size = sheetSize();
    if (!ScrollBox3->setPaintBoxSize(size.width(), size.height())) VPaint->update();
}

void PrintPage::paintSheet(QPainter& painter) {
    const std::optional<PaperType>& paper = job_.paperFormat();
    if (!paper) {
        // No sheet is drawn. The paint box is opaque, so without this fill it
        // would keep whatever the last sheet left in it.
        const QWidget* behind = ScrollBox3->viewport();
        painter.fillRect(VPaint->rect(), behind->palette().color(behind->backgroundRole()));
        return;
    }
    const QSize size = sheetSize();
    if (VPaint->size() != size) {
        QMetaObject::invokeMethod(this, &PrintPage::VPaintPaint, Qt::QueuedConnection);
        return;
    }
    paintSheetPreview(painter, shell_.screenDrawing(), size, *paper, job_.printValues(), labelContent(),
                      shell_.screen().logicalDpiX, ZoomEd4->value(), job_.labelShape());
}

void PrintPage::UsedEDChange() {
    takeTypedValues();
}
void PrintPage::KopiesEDChange() {
    takeTypedValues();
}
void PrintPage::PageEdChange() {
    takeTypedValues();
}

void PrintPage::takeTypedValues() {
    setPrintValuesAsStep(job_, jobValues());
    // The job keeps the values within the sheet; a value it brought back shows
    // in its edit even when the job's values did not change.
    showPrintValues();
    VPaintPaint();
}
void PrintPage::ZoomEd4Change() {
    VPaintPaint();
}

// --- printing ------------------------------------------------------------------------

void PrintPage::GoBtn1Click() {
    const std::optional<PaperType> paper = job_.paperFormat();
    if (!paper) {
        shell_.dialogs().message(kNoFormatText, QString(), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    // Go! takes no focus: a number still being typed counts as the field shows it.
    commitTypedValues(*window());
    PrintTarget& target = shell_.printTarget();
    const Calibration calibration = shell_.printerCalibrations().of(target.printerName());
    const PrintJob job{*paper, job_.printValues(), calibration, labelContent()};
    // Told before the file dialog: such a label prints nothing on any page.
    if (!labelHasArea(target, job))
        reportPrintOutcome(PrintOutcome::NoLabelArea, *paper);
    else if (choosePrintFile(target, shell_.dialogs(), kPrintTitle))
        reportPrintOutcome(runPrintJob(target, job, shell_.dialogs(), shell_.screenDrawing()), *paper);
    VPaintPaint();
}

void PrintPage::reportPrintOutcome(PrintOutcome outcome, const PaperType& paper) {
    QString text;
    switch (outcome) {
    case PrintOutcome::Printed:
        return;
    case PrintOutcome::NoLabelArea:
        text = noLabelAreaMessage(paper);
        break;
    case PrintOutcome::NoMemory:
        text = QStringLiteral("Nicht genügend Speicher, um das Etikett zu drucken.");
        break;
    case PrintOutcome::NotStarted:
    case PrintOutcome::NotFinished:
        text = printFailureText(shell_.printTarget(), outcome);
        break;
    }
    shell_.dialogs().message(text, QStringLiteral("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

void PrintPage::SetupBtnClick() {
    SetupBtn->resetPictures();
    if (QPrinter* printer = shell_.printTarget().systemPrinter()) {
        shell_.dialogs().printerSetup(*printer);
    } else {
        // A stand-in target has no printer to set up; the dialog still runs.
        QPrinter scratch;
        shell_.dialogs().printerSetup(scratch);
    }
    // The job's page is the printer's printable page; the views follow it.
    const PageSizeUnits page = pageSizeInUnits(shell_.printTarget());
    job_.setPageSize(page.width, page.height);
    // The calibration dialog shows the printer now chosen.
    KalForm().followPrinter();
    VPaint->update();
}

void PrintPage::KalibrateBtnClick() {
    KalForm().editCalibration();
}

// --- drag-to-scroll ------------------------------------------------------------------

void PrintPage::VPaintMouseDown(QMouseEvent* event) {
    // The sheet preview drags without taking the focus.
    shell_.dragScroll().mouseDown(*ScrollBox3, event->position().toPoint(), false);
}

void PrintPage::VPaintMouseMove(QMouseEvent* event) {
    shell_.dragScroll().mouseMove(*ScrollBox3, event->position().toPoint());
}

void PrintPage::VPaintMouseUp(QMouseEvent*) {
    shell_.dragScroll().mouseUp();
}
