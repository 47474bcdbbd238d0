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
    setWindowTitle(tr("Druckereinrichtung"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPrinterGroup(current.printerName));
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildPaperGroup(), 1);
    lower->addWidget(buildOrientationGroup(current.orientation));
    layout->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillPapers(current.paper);
    showPrinterFacts();
    connect(printerCombo, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::printerChosen);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* PrinterSetupDialog::buildPrinterGroup(const QString& current) {
    auto* group = new QGroupBox(tr("Drucker"), this);
    printerCombo = makeCombo("printerCombo", group);
    QStringList names = installedPrinterNames();
    // A printer that has gone since it was chosen still shows as the choice.
    if (!current.isEmpty() && !names.contains(current)) names.prepend(current);
    for (const QString& name : names)
        printerCombo->addItem(name, name);
    printerCombo->addItem(printerDisplayName(QString()), QString());
    printerCombo->setCurrentIndex(printerCombo->findData(current));
    typeLabel = new QLabel(group);
    whereLabel = new QLabel(group);
    auto* form = new QFormLayout(group);
    auto* nameLabel = new QLabel(tr("&Name:"), group);
    nameLabel->setBuddy(printerCombo);
    form->addRow(nameLabel, printerCombo);
    form->addRow(tr("Typ:"), typeLabel);
    form->addRow(tr("Ort:"), whereLabel);
    return group;
}

QWidget* PrinterSetupDialog::buildPaperGroup() {
    auto* group = new QGroupBox(tr("Papier"), this);
    paperCombo = makeCombo("paperCombo", group);
    auto* form = new QFormLayout(group);
    auto* sizeLabel = new QLabel(tr("&Größe:"), group);
    sizeLabel->setBuddy(paperCombo);
    form->addRow(sizeLabel, paperCombo);
    return group;
}

QWidget* PrinterSetupDialog::buildOrientationGroup(QPageLayout::Orientation current) {
    auto* group = new QGroupBox(tr("Ausrichtung"), this);
    portraitRadio = makeRadio("portraitRadio", tr("&Hochformat"), group);
    landscapeRadio = makeRadio("landscapeRadio", tr("&Querformat"), group);
    (current == QPageLayout::Landscape ? landscapeRadio : portraitRadio)->setChecked(true);
    auto* column = new QVBoxLayout(group);
    column->addWidget(portraitRadio);
    column->addWidget(landscapeRadio);
    return group;
}

QString PrinterSetupDialog::chosenPrinter() const {
    return printerCombo->currentData().toString();
}

PrinterChoice PrinterSetupDialog::choice() const {
    const int paper = paperCombo->currentIndex();
    return {chosenPrinter(), paper >= 0 ? papers_[paper] : QPageSize(),
            landscapeRadio->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait};
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
    const QSignalBlocker quiet(paperCombo);
    paperCombo->clear();
    for (const QPageSize& size : papers_)
        paperCombo->addItem(size.name());
    paperCombo->setCurrentIndex(std::max(shown, 0));
}

void PrinterSetupDialog::printerChosen() {
    const int paper = paperCombo->currentIndex();
    fillPapers(paper >= 0 ? papers_[paper] : QPageSize());
    showPrinterFacts();
}

void PrinterSetupDialog::showPrinterFacts() {
    const QString printer = chosenPrinter();
    if (printer.isEmpty()) {
        typeLabel->setText(tr("Ausgabe in eine Datei; ihr Name wird beim Drucken erfragt"));
        whereLabel->clear();
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    typeLabel->setText(info.makeAndModel());
    whereLabel->setText(info.location());
}
