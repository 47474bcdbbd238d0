#include "print/ui/printpage.h"

#include "document/coverjob.h"
#include "document/valuesteps.h"
#include "print/discprint.h"
#include "print/joblabel.h"
#include "print/printer/discoutput.h"
#include "print/printercalibrations.h"
#include "print/printrun.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/discchoice.h"
#include "print/ui/printfile.h"
#include "print/ui/sheetpreview.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString noFormatText() {
    return PrintPage::tr("Sie haben noch kein Papierformat ausgewählt! Bitte wählen Sie "
                         "unter \"Zentrieren\" das Papierformat aus!");
}

} // namespace

PrintPage::PrintPage(CoverJob& job, Shell& shell)
    : PageFrame(tr("Drucken - Anzahl der zu druckenden Elemente wählen und auf \"Go!\" klicken"),
                tr("Label/Cover Drucken"), QStringLiteral("page-print")),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("DruckSheet"));
    printerButton = new ImageButton(
        QStringLiteral("printerButton"), QStringLiteral("printerButtonDown"),
        tr("Klicken Sie hier, um einen anderen Drucker oder ein anderes Papierformat zu wählen"),
        leftPanel());
    printButton = new ImageButton(QStringLiteral("printButton"), QStringLiteral("printButtonDown"),
                                  tr("Startet den Druckvorgang!"), leftPanel());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printerButton);
    buttons->addWidget(printButton);
    leftControls()->addLayout(buttons);
    buildJobControls();
    calibrateButton = new QPushButton(tr("Drucker &kalibrieren..."), leftPanel());
    calibrateButton->setObjectName(QStringLiteral("calibrateButton"));
    leftControls()->addWidget(calibrateButton);
    connect(printerButton, &ImageButton::clicked, this, &PrintPage::choosePrinter);
    connect(printButton, &ImageButton::clicked, this, &PrintPage::print);
    connect(calibrateButton, &QPushButton::clicked, this, &PrintPage::calibrate);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    previewScroll = new ScrollBox(content());
    previewScroll->setObjectName(QStringLiteral("previewScroll"));
    sheetPreview = new SheetPreview(job_, shell_, *previewScroll);
    sheetPreview->setObjectName(QStringLiteral("sheetPreview"));
    sheetPreview->setZoom(zoomSpin->value());
    contentLayout->addWidget(previewScroll);

    connect(&job_, &CoverJob::printValuesChanged, this, &PrintPage::showPrintValues);
    connect(&job_, &CoverJob::paperFormatChanged, this, &PrintPage::showLabelShape);
    connect(&job_, &CoverJob::paperFormatChanged, this, &PrintPage::showDisc);
}

void PrintPage::showEvent(QShowEvent* event) {
    PageFrame::showEvent(event);
    // The printer may have changed since: whether it prints onto discs is
    // asked again.
    if (!event->spontaneous()) showDisc();
    // Coming to the page without a format is told once, after the page is
    // shown; not when the window comes back from the task bar.
    if (!event->spontaneous() && !job_.printedPaper())
        QMetaObject::invokeMethod(this, &PrintPage::reportMissingFormat, Qt::QueuedConnection);
}

void PrintPage::buildJobControls() {
    QWidget* panel = leftPanel();
    usedSpin = makeSpinEdit("usedSpin", 0, 100, 1, 0, panel);
    usedSpin->setToolTip(tr("Schon bedruckte Positionen festlegen"));
    copiesSpin = makeSpinEdit("copiesSpin", 1, 1000, 1, 1, panel);
    copiesSpin->setToolTip(tr("Anzahl der Kopien festlegen"));
    sheetSpin = makeSpinEdit("sheetSpin", 1, 1000, 1, 1, panel);
    zoomSpin = makeSpinEdit("zoomSpin", 10, 500, 10, 100, panel);
    addLabelledRow(leftControls(), tr("Schon benutzte:"), usedSpin);
    addLabelledRow(leftControls(), tr("Kopien:"), copiesSpin);
    addLabelledRow(leftControls(), tr("Gezeigte Seite:"), sheetSpin);
    addLabelledRow(leftControls(), tr("Zoom:"), zoomSpin, QStringLiteral("%"));
    connect(usedSpin, &QSpinBox::valueChanged, this, &PrintPage::usedChanged);
    connect(copiesSpin, &QSpinBox::valueChanged, this, &PrintPage::copiesChanged);
    connect(sheetSpin, &QSpinBox::valueChanged, this, &PrintPage::sheetChanged);
    connect(zoomSpin, &QSpinBox::valueChanged, this, &PrintPage::zoomChanged);
    // Two lines: the left panel is too narrow for the sentence in one.
    clipCheck = new QCheckBox(tr("Nur innerhalb der\nEtikettform drucken"), panel);
    clipCheck->setObjectName(QStringLiteral("clipCheck"));
    clipCheck->setToolTip(tr("Bild und Objekte auf die Form des Etiketts beschneiden, bei CD/DVD "
                             "auch das Loch freilassen"));
    clipCheck->setVisible(false);
    leftControls()->addWidget(clipCheck);
    connect(clipCheck, &QCheckBox::clicked, this, &PrintPage::clipToggled);
    discChoice = new DiscChoice(panel);
    discChoice->setObjectName(QStringLiteral("discChoice"));
    leftControls()->addWidget(discChoice);
    connect(discChoice, &DiscChoice::chosen, this,
            [this](const std::optional<DiscFormat>& disc) { job_.setDisc(disc); });
}

void PrintPage::showDisc() {
    const PrintTarget& target = shell_.printTarget();
    const QString printer = target.printsToFile() ? QString() : target.printerName();
    discChoice->setVisible(job_.disc() || printsOntoDiscs(printer));
    discChoice->showChoice(job_.disc());
    // One disc per page: no used positions, no sheets to page through, and
    // always inside the ring.
    const bool sheets = !job_.disc();
    usedSpin->setEnabled(sheets);
    sheetSpin->setEnabled(sheets);
    clipCheck->setVisible(sheets && job_.labelShape().has_value());
}

void PrintPage::clipToggled() {
    setPrintValuesAsStep(job_, jobValues());
    sheetPreview->update();
}

CalibrationDialog& PrintPage::calibrationDialog() {
    if (!kalForm_)
        kalForm_ = new CalibrationDialog(shell_.printerCalibrations(), shell_.printTarget(), shell_.dialogs(),
                                         window());
    return *kalForm_;
}

PrintValues PrintPage::jobValues() const {
    return {usedSpin->value(), copiesSpin->value(), sheetSpin->value(), clipCheck->isChecked()};
}

// Values set from elsewhere show in their edits; an edit already showing its
// value is left alone, so a number being typed stays as typed.
// The edits are quiet meanwhile: each would hand the job all values, the others
// still old, before they were shown. The preview repaints on the job's signal.
void PrintPage::showPrintValues() {
    const PrintValues values = job_.printValues();
    const QSignalBlocker quietUsed(usedSpin), quietCopies(copiesSpin), quietSheet(sheetSpin);
    if (usedSpin->value() != values.used) usedSpin->setValue(values.used);
    if (copiesSpin->value() != values.copies) copiesSpin->setValue(values.copies);
    if (sheetSpin->value() != values.sheet) sheetSpin->setValue(values.sheet);
    clipCheck->setChecked(values.clipToShape);
}

void PrintPage::showLabelShape() {
    clipCheck->setVisible(!job_.disc() && job_.labelShape().has_value());
}

LabelContent PrintPage::labelContent() const {
    return labelContentOf(job_, shell_.screen().logicalDpiX);
}

// --- without a paper format --------------------------------------------------------

void PrintPage::reportMissingFormat() {
    // The user may have gone on to another page meanwhile.
    if (!isVisible() || job_.printedPaper()) return;
    shell_.dialogs().message(noFormatText(), QString(), MsgButtons::Ok, MsgIcon::Error);
}

void PrintPage::usedChanged() {
    takeTypedValues();
}
void PrintPage::copiesChanged() {
    takeTypedValues();
}
void PrintPage::sheetChanged() {
    takeTypedValues();
}

void PrintPage::takeTypedValues() {
    setPrintValuesAsStep(job_, jobValues());
    // The job keeps the values within the sheet; a value it brought back shows
    // in its edit even when the job's values did not change.
    showPrintValues();
    sheetPreview->update();
}
void PrintPage::zoomChanged() {
    sheetPreview->setZoom(zoomSpin->value());
}

// --- printing ------------------------------------------------------------------------

void PrintPage::print() {
    if (job_.disc()) {
        commitTypedValues(*window());
        printDiscs();
        return;
    }
    const std::optional<PaperType> paper = job_.paperFormat();
    if (!paper) {
        shell_.dialogs().message(noFormatText(), QString(), MsgButtons::Ok, MsgIcon::Error);
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
    else if (choosePrintFile(target, shell_.dialogs(), printTitle()))
        reportPrintOutcome(runPrintJob(target, job, shell_.dialogs(), shell_.screenDrawing()), *paper);
    // The print file's dialog may have changed the printer.
    sheetPreview->fitToSheet();
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
        text = tr("Nicht genügend Speicher, um das Etikett zu drucken.");
        break;
    case PrintOutcome::NotStarted:
    case PrintOutcome::NotFinished:
        text = printFailureText(shell_.printTarget(), outcome);
        break;
    }
    shell_.dialogs().message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

void PrintPage::printDiscs() {
    PrintTarget& target = shell_.printTarget();
    const DiscOffset calibration = shell_.printerCalibrations().discOffsetOf(target.printerName());
    std::optional<DiscOutput> output;
    if (target.printsToFile()) {
        const std::optional<QString> path = askPrintFileName(shell_.dialogs(), printTitle());
        if (!path) return;
        output = discOutputFor(QString(), *path, *job_.disc(), calibration);
    } else if (!target.printerName().isEmpty()) {
        output = discOutputFor(target.printerName(), QString(), *job_.disc(), calibration);
        if (!output) {
            shell_.dialogs().message(
                tr("Der Drucker \"%1\" kann nicht auf CDs/DVDs drucken: sein Treiber bietet weder "
                   "ein CD-Fach noch CD-Seitengrößen an. Bitte wählen Sie einen anderen Drucker.")
                    .arg(target.printerName()),
                tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
            return;
        }
    }
    // A target standing in for a printer takes the pages itself, moved by the calibration.
    PrintTarget& onto = output ? *output->target : target;
    const DiscPrintJob job{*job_.disc(), job_.printValues().copies,
                           output ? output->drawingShift : calibration, labelContent()};
    const PrintOutcome outcome = runDiscPrintJob(onto, job, shell_.screenDrawing());
    if (outcome == PrintOutcome::Printed) return;
    const QString text = outcome == PrintOutcome::NoMemory
                             ? tr("Nicht genügend Speicher, um die CD zu drucken.")
                             : printFailureText(onto, outcome);
    shell_.dialogs().message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

void PrintPage::choosePrinter() {
    printerButton->resetPictures();
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
    // The calibration dialog shows the printer now chosen, which may print onto discs.
    calibrationDialog().followPrinter();
    showDisc();
    sheetPreview->fitToSheet();
}

void PrintPage::calibrate() {
    calibrationDialog().setTestDisc(job_.disc().value_or(discPresets().front().format));
    calibrationDialog().editCalibration();
}
