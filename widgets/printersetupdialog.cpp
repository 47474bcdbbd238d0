#include "widgets/printersetupdialog.h"

#include "print/printtarget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QComboBox* makeCombo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QRadioButton* makeRadio(const char* name, const QString& text, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(const PrinterChoice& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(QStringLiteral("Druckereinrichtung"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPrinterGroup(current.printerName));
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildPaperGroup(), 1);
    lower->addWidget(buildOrientationGroup(current.orientation));
    layout->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillPapers(current.paper);
    showPrinterFacts();
    connect(PrinterCombo, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::PrinterComboChange);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* PrinterSetupDialog::buildPrinterGroup(const QString& current) {
    auto* group = new QGroupBox(QStringLiteral("Drucker"), this);
    PrinterCombo = makeCombo("PrinterCombo", group);
    QStringList names = installedPrinterNames();
    // A printer that has gone since it was chosen still shows as the choice.
    if (!current.isEmpty() && !names.contains(current)) names.prepend(current);
    for (const QString& name : names)
        PrinterCombo->addItem(name, name);
    PrinterCombo->addItem(printerDisplayName(QString()), QString());
    PrinterCombo->setCurrentIndex(PrinterCombo->findData(current));
    TypeLabel = new QLabel(group);
    WhereLabel = new QLabel(group);
    auto* form = new QFormLayout(group);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), group);
    nameLabel->setBuddy(PrinterCombo);
    form->addRow(nameLabel, PrinterCombo);
    form->addRow(QStringLiteral("Typ:"), TypeLabel);
    form->addRow(QStringLiteral("Ort:"), WhereLabel);
    return group;
}

QWidget* PrinterSetupDialog::buildPaperGroup() {
    auto* group = new QGroupBox(QStringLiteral("Papier"), this);
    PaperCombo = makeCombo("PaperCombo", group);
    auto* form = new QFormLayout(group);
    auto* sizeLabel = new QLabel(QStringLiteral("&Größe:"), group);
    sizeLabel->setBuddy(PaperCombo);
    form->addRow(sizeLabel, PaperCombo);
    return group;
}

QWidget* PrinterSetupDialog::buildOrientationGroup(QPageLayout::Orientation current) {
    auto* group = new QGroupBox(QStringLiteral("Ausrichtung"), this);
    PortraitRadio = makeRadio("PortraitRadio", QStringLiteral("&Hochformat"), group);
    LandscapeRadio = makeRadio("LandscapeRadio", QStringLiteral("&Querformat"), group);
    (current == QPageLayout::Landscape ? LandscapeRadio : PortraitRadio)->setChecked(true);
    auto* column = new QVBoxLayout(group);
    column->addWidget(PortraitRadio);
    column->addWidget(LandscapeRadio);
    return group;
}

QString PrinterSetupDialog::chosenPrinter() const {
    return PrinterCombo->currentData().toString();
}

PrinterChoice PrinterSetupDialog::choice() const {
    const int paper = PaperCombo->currentIndex();
    return {chosenPrinter(), paper >= 0 ? papers_[paper] : QPageSize(),
            LandscapeRadio->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait};
}

void PrinterSetupDialog::fillPapers(const QPageSize& keep) {
    const QString printer = chosenPrinter();
    papers_ = paperSizesFor(printer);
    const auto taken = [this](const QPageSize& size) {
        for (qsizetype i = 0; i < papers_.size(); ++i)
            if (papers_[i].isEquivalentTo(size)) return int(i);
        return -1;
    };
    int shown = keep.isValid() ? taken(keep) : -1;
    if (shown < 0 && !printer.isEmpty()) shown = taken(QPrinterInfo::printerInfo(printer).defaultPageSize());
    if (shown < 0 && keep.isValid() && printer.isEmpty()) {
        // A file takes any size: the one set before stays on offer.
        papers_.prepend(keep);
        shown = 0;
    }
    const QSignalBlocker quiet(PaperCombo);
    PaperCombo->clear();
    for (const QPageSize& size : papers_)
        PaperCombo->addItem(size.name());
    PaperCombo->setCurrentIndex(std::max(shown, 0));
}

void PrinterSetupDialog::PrinterComboChange() {
    const int paper = PaperCombo->currentIndex();
    fillPapers(paper >= 0 ? papers_[paper] : QPageSize());
    showPrinterFacts();
}

void PrinterSetupDialog::showPrinterFacts() {
    const QString printer = chosenPrinter();
    if (printer.isEmpty()) {
        TypeLabel->setText(QStringLiteral("Ausgabe in eine Datei; ihr Name wird beim Drucken erfragt"));
        WhereLabel->clear();
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    TypeLabel->setText(info.makeAndModel());
    WhereLabel->setText(info.location());
}
