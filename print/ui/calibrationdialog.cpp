#include "print/ui/calibrationdialog.h"

#include "print/disctestprint.h"
#include "print/printer/discoutput.h"
#include "print/printercalibrations.h"
#include "print/printtarget.h"
#include "print/testprint.h"
#include "print/ui/printfile.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"

#include <QDate>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLabel* wrappedText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A queue name can be as long as a sentence; the dialog keeps its width.
constexpr int kPrinterNameWidth = 360;

} // namespace

CalibrationDialog::CalibrationDialog(PrinterCalibrations& calibrations, PrintTarget& printer,
                                     Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), calibrations_(calibrations), printer_(printer), dialogs_(dialogs) {
    setObjectName(QStringLiteral("calibrationDialog"));
    setWindowTitle(tr("Drucker kalibrieren..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    printerLabel = new QLabel(this);
    printerLabel->setObjectName(QStringLiteral("printerLabel"));
    layout->addWidget(printerLabel);
    layout->addWidget(wrappedText(tr("Durch diese Funktion, werden die Ausdrucke sehr genau, führen Sie "
                                     "diesen Test für jeden neuen Drucker durch."),
                                  this));
    testPrintButton = new QPushButton(tr("Testrechteck drucken..."), this);
    testPrintButton->setObjectName(QStringLiteral("testPrintButton"));
    layout->addWidget(testPrintButton);
    layout->addWidget(wrappedText(tr("Messen Sie auf dem Ausdruck die folgenden Werte ab und korrigieren "
                                     "Sie die aktuellen Einstellungen entsprechend."),
                                  this));
    const Calibration initial;
    leftSpin = makeRealSpinEdit("leftSpin", kOffsetMin, kOffsetMax, 0.1, initial.cL, this);
    topSpin = makeRealSpinEdit("topSpin", kOffsetMin, kOffsetMax, 0.1, initial.cT, this);
    widthSpin = makeRealSpinEdit("widthSpin", kSizeMin, kSizeMax, 0.1, initial.kW, this);
    heightSpin = makeRealSpinEdit("heightSpin", kSizeMin, kSizeMax, 0.1, initial.kH, this);
    // The four measurements in a grid, so that their edits line up.
    auto* grid = new QGridLayout;
    const auto addRow = [&](const QString& text, QDoubleSpinBox* edit) {
        const int row = grid->rowCount();
        auto* label = new QLabel(text, this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mm"), this), row, 2);
    };
    addRow(tr("Abstand des Rechtecks zum linken Seitenrand:"), leftSpin);
    addRow(tr("Abstand des Rechtecks zum oberen Seitenrand:"), topSpin);
    addRow(tr("Breite des Rechtecks:"), widthSpin);
    addRow(tr("Höhe des Rechtecks:"), heightSpin);
    layout->addLayout(grid);
    buildDiscGroup();
    layout->addWidget(discGroup);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    buttons->addWidget(okButton);
    layout->addLayout(buttons);
    connect(testPrintButton, &QPushButton::clicked, this, &CalibrationDialog::printTestSquare);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

void CalibrationDialog::buildDiscGroup() {
    discGroup = new QGroupBox(tr("CD/DVD direkt bedrucken"), this);
    discGroup->setObjectName(QStringLiteral("discGroup"));
    auto* layout = new QVBoxLayout(discGroup);
    layout->addWidget(wrappedText(
        tr("Drucken Sie den CD/DVD-Testdruck auf eine CD und lesen Sie an der Skala ab, wie weit "
           "die Mitte des Kreuzes neben der Mitte des Lochs liegt. Tragen Sie diese Abweichung mit "
           "umgekehrtem Vorzeichen ein."),
        discGroup));
    discTestButton = new QPushButton(tr("CD/DVD-Testdruck..."), discGroup);
    discTestButton->setObjectName(QStringLiteral("discTestButton"));
    layout->addWidget(discTestButton);
    discRightSpin = makeRealSpinEdit("discRightSpin", -kDiscOffsetMaxMm, kDiscOffsetMaxMm, 0.1, 0, discGroup);
    discDownSpin = makeRealSpinEdit("discDownSpin", -kDiscOffsetMaxMm, kDiscOffsetMaxMm, 0.1, 0, discGroup);
    addLabelledRow(layout, tr("Nach rechts verschieben:"), discRightSpin, QStringLiteral("mm"));
    addLabelledRow(layout, tr("Nach unten verschieben:"), discDownSpin, QStringLiteral("mm"));
    connect(discTestButton, &QPushButton::clicked, this, &CalibrationDialog::printDiscTest);
}

void CalibrationDialog::FormCreate() {
    printerName_ = printer_.printerName();
    setCalibration(calibrations_.of(printerName_));
    setDiscOffset(calibrations_.discOffsetOf(printerName_));
    discGroup->setVisible(printsOntoDiscs(printer_.printsToFile() ? QString() : printerName_));
    showPrinter(printerName_);
}

DiscOffset CalibrationDialog::discOffset() const {
    commitTypedValues(*this);
    return {discRightSpin->value(), discDownSpin->value()};
}

void CalibrationDialog::setDiscOffset(const DiscOffset& offset) {
    discRightSpin->setValue(offset.rightMm);
    discDownSpin->setValue(offset.downMm);
}

void CalibrationDialog::followPrinter() {
    if (printer_.printerName() != printerName_) FormCreate();
}

void CalibrationDialog::editCalibration() {
    FormCreate();
    dialogs_.runModal(*this);
    saveOptions();
}

void CalibrationDialog::showPrinter(const QString& printerName) {
    const QString name = printerDisplayName(printerName);
    const QString shown = printerLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, kPrinterNameWidth);
    printerLabel->setText(tr("Drucker: ") + shown);
    printerLabel->setToolTip(shown == name ? QString() : name);
}

Calibration CalibrationDialog::calibration() const {
    commitTypedValues(*this);
    return {leftSpin->value(), topSpin->value(), widthSpin->value(), heightSpin->value()};
}

void CalibrationDialog::setCalibration(const Calibration& values) {
    // The spin edits keep two decimals and limit each value to its range.
    leftSpin->setValue(values.cL);
    topSpin->setValue(values.cT);
    widthSpin->setValue(values.kW);
    heightSpin->setValue(values.kH);
}

void CalibrationDialog::saveOptions() {
    const bool discStored = calibrations_.storeDiscOffset(printerName_, discOffset());
    if (calibrations_.store(printerName_, calibration()) && discStored) return;
    const QString text = tr("Die Kalibrierung für den Drucker \"%1\" konnte nicht in %2 gespeichert "
                            "werden. Sie gilt nur, bis das Programm beendet wird.")
                             .arg(printerDisplayName(printerName_), calibrations_.filePathOf(printerName_));
    dialogs_.message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Warning);
}

void CalibrationDialog::printTestSquare() {
    if (!choosePrintFile(printer_, dialogs_, testPrintTitle())) return;
    if (printTestRectangle(printer_, testPrintCaption(printer_.printerName(), QDate::currentDate()))) return;
    QString text = printer_.failureText();
    if (text.isEmpty()) text = tr("Der Testdruck konnte nicht gedruckt werden.");
    dialogs_.message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

// Printed without the disc calibration: what it shows is the tray's own error.
void CalibrationDialog::printDiscTest() {
    const QStringList caption = testPrintCaption(printer_.printerName(), QDate::currentDate());
    std::optional<DiscOutput> output;
    if (printer_.printsToFile()) {
        const std::optional<QString> path = askPrintFileName(dialogs_, discTestPrintTitle());
        if (!path) return;
        output = discOutputFor(QString(), *path, testDisc_, {});
    } else if (!printer_.printerName().isEmpty()) {
        output = discOutputFor(printer_.printerName(), QString(), testDisc_, {});
    }
    PrintTarget& onto = output ? *output->target : printer_;
    if (printDiscTestPage(onto, testDisc_, caption)) return;
    QString text = onto.failureText();
    if (text.isEmpty()) text = tr("Der Testdruck konnte nicht gedruckt werden.");
    dialogs_.message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

void CalibrationDialog::showEvent(QShowEvent* event) {
    // Centred on the desktop, not on the main window.
    if (const QScreen* shownOn = screen()) move(shownOn->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
