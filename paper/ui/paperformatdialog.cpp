#include "paper/ui/paperformatdialog.h"

#include "paper/templatedatabase.h"
#include "paper/ui/templatechooser.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QGroupBox* addGroup(QVBoxLayout* layout, const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    new QVBoxLayout(group);
    layout->addWidget(group);
    return group;
}

QVBoxLayout* rowsOf(QGroupBox* group) {
    return static_cast<QVBoxLayout*>(group->layout());
}

} // namespace

PaperFormatDialog::PaperFormatDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("paperFormatDialog"));
    setWindowTitle(tr("Papierformat bearbeiten"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    const PaperDialogValues initial;

    QGroupBox* nameGroup = addGroup(layout, tr("Bezeichnung für diesen Papiertyp"), this);
    nameEdit = new QLineEdit(initial.nameEdit, nameGroup);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setMaxLength(PaperType::kNameCapacity);
    rowsOf(nameGroup)->addWidget(nameEdit);

    QGroupBox* margins = addGroup(layout, tr("Ränder in mm"), this);
    leftMarginSpin = makeRealSpinEdit("leftMarginSpin", 0, 3000, 1, initial.leftMargin, margins);
    topMarginSpin = makeRealSpinEdit("topMarginSpin", 0, 1000, 1, initial.topMargin, margins);
    addLabelledRow(rowsOf(margins), tr("Links:"), leftMarginSpin);
    addLabelledRow(rowsOf(margins), tr("Oben:"), topMarginSpin);

    QGroupBox* size = addGroup(layout, tr("Ausmaße in mm"), this);
    labelWidthSpin = makeRealSpinEdit("labelWidthSpin", 0, 3000, 1, initial.labelWidth, size);
    labelHeightSpin = makeRealSpinEdit("labelHeightSpin", 0, 1000, 1, initial.labelHeight, size);
    addLabelledRow(rowsOf(size), tr("Breite:"), labelWidthSpin);
    addLabelledRow(rowsOf(size), tr("Höhe:"), labelHeightSpin);

    QGroupBox* gaps = addGroup(layout, tr("Abstände zwischen den Elementen in mm"), this);
    pitchXSpin = makeRealSpinEdit("pitchXSpin", 0, 3000, 1, initial.pitchX, gaps);
    pitchYSpin = makeRealSpinEdit("pitchYSpin", 0, 1000, 1, initial.pitchY, gaps);
    addLabelledRow(rowsOf(gaps), tr("Horizontaler:"), pitchXSpin);
    addLabelledRow(rowsOf(gaps), tr("Vertikal:"), pitchYSpin);

    QGroupBox* counts = addGroup(layout, tr("Anzahl der Elemente pro Blatt"), this);
    columnsSpin = makeSpinEdit("columnsSpin", 1, 50, 1, initial.columns, counts);
    rowsSpin = makeSpinEdit("rowsSpin", 1, 50, 1, initial.rows, counts);
    addLabelledRow(rowsOf(counts), tr("Horizontal:"), columnsSpin);
    addLabelledRow(rowsOf(counts), tr("Vertikal:"), rowsSpin);

    auto* buttons = new QHBoxLayout;
    templateButton = new QPushButton(tr("&Vorlage…"), this);
    templateButton->setObjectName(QStringLiteral("templateButton"));
    templateButton->setToolTip(tr("Die Werte aus einem installierten Etikettenbogen übernehmen"));
    buttons->addWidget(templateButton);
    buttons->addStretch(1);
    okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("&Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(templateButton, &QPushButton::clicked, this, &PaperFormatDialog::chooseTemplate);
    connect(okButton, &QPushButton::clicked, this, &PaperFormatDialog::acceptValues);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PaperFormatDialog::acceptValues() {
    accept();
}

void PaperFormatDialog::chooseTemplate() {
    TemplateChooser chooser(loadTemplateDatabase(templateFolders()), this);
    if (dialogs_.runModal(chooser) != QDialog::Accepted) return;
    if (const std::optional<TemplateFormat> format = chooser.chosenFormat()) fillFromTemplate(*format);
}

void PaperFormatDialog::fillFromTemplate(const TemplateFormat& format) {
    setValues(dialogValuesOf(format.paper));
    shape_ = format.shape;
}

void PaperFormatDialog::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (const QScreen* shownOn = screen()) move(shownOn->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

PaperDialogValues PaperFormatDialog::values() const {
    commitTypedValues(*this);
    PaperDialogValues values;
    values.nameEdit = nameEdit->text();
    values.leftMargin = leftMarginSpin->value();
    values.topMargin = topMarginSpin->value();
    values.labelWidth = labelWidthSpin->value();
    values.labelHeight = labelHeightSpin->value();
    values.pitchX = pitchXSpin->value();
    values.pitchY = pitchYSpin->value();
    values.columns = columnsSpin->value();
    values.rows = rowsSpin->value();
    return values;
}

void PaperFormatDialog::setValues(const PaperDialogValues& values) {
    nameEdit->setText(values.nameEdit);
    leftMarginSpin->setValue(values.leftMargin);
    topMarginSpin->setValue(values.topMargin);
    labelWidthSpin->setValue(values.labelWidth);
    labelHeightSpin->setValue(values.labelHeight);
    pitchXSpin->setValue(values.pitchX);
    pitchYSpin->setValue(values.pitchY);
    columnsSpin->setValue(values.columns);
    rowsSpin->setValue(values.rows);
}
