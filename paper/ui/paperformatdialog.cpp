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
    setObjectName(QStringLiteral("NewETypForm"));
    setWindowTitle(QStringLiteral("Papierformat bearbeiten"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    const PaperDialogValues initial;

    QGroupBox* nameGroup = addGroup(layout, QStringLiteral("Bezeichnung für diesen Papiertyp"), this);
    NameED = new QLineEdit(initial.NameED, nameGroup);
    NameED->setObjectName(QStringLiteral("NameED"));
    NameED->setMaxLength(PaperType::kNameCapacity);
    rowsOf(nameGroup)->addWidget(NameED);

    QGroupBox* margins = addGroup(layout, QStringLiteral("Ränder in mm"), this);
    RLED = makeRealSpinEdit("RLED", 0, 3000, 1, initial.RLED, margins);
    ROED = makeRealSpinEdit("ROED", 0, 1000, 1, initial.ROED, margins);
    addLabelledRow(rowsOf(margins), QStringLiteral("Links:"), RLED);
    addLabelledRow(rowsOf(margins), QStringLiteral("Oben:"), ROED);

    QGroupBox* size = addGroup(layout, QStringLiteral("Ausmaße in mm"), this);
    BrED = makeRealSpinEdit("BrED", 0, 3000, 1, initial.BrED, size);
    HoED = makeRealSpinEdit("HoED", 0, 1000, 1, initial.HoED, size);
    addLabelledRow(rowsOf(size), QStringLiteral("Breite:"), BrED);
    addLabelledRow(rowsOf(size), QStringLiteral("Höhe:"), HoED);

    QGroupBox* gaps = addGroup(layout, QStringLiteral("Abstände zwischen den Elementen in mm"), this);
    AHED = makeRealSpinEdit("AHED", 0, 3000, 1, initial.AHED, gaps);
    AVED = makeRealSpinEdit("AVED", 0, 1000, 1, initial.AVED, gaps);
    addLabelledRow(rowsOf(gaps), QStringLiteral("Horizontaler:"), AHED);
    addLabelledRow(rowsOf(gaps), QStringLiteral("Vertikal:"), AVED);

    QGroupBox* counts = addGroup(layout, QStringLiteral("Anzahl der Elemente pro Blatt"), this);
    AnzHED = makeSpinEdit("AnzHED", 1, 50, 1, initial.AnzHED, counts);
    AnzVED = makeSpinEdit("AnzVED", 1, 50, 1, initial.AnzVED, counts);
    addLabelledRow(rowsOf(counts), QStringLiteral("Horizontal:"), AnzHED);
    addLabelledRow(rowsOf(counts), QStringLiteral("Vertikal:"), AnzVED);

    auto* buttons = new QHBoxLayout;
    TemplateBtn = new QPushButton(QStringLiteral("&Vorlage…"), this);
    TemplateBtn->setObjectName(QStringLiteral("TemplateBtn"));
    TemplateBtn->setToolTip(QStringLiteral("Die Werte aus einem installierten Etikettenbogen übernehmen"));
    buttons->addWidget(TemplateBtn);
    buttons->addStretch(1);
    OkBitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    OkBitBtn1->setObjectName(QStringLiteral("OkBitBtn1"));
    OkBitBtn1->setDefault(true);
    CancelBitBtn = new QPushButton(QStringLiteral("&Abbrechen"), this);
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    buttons->addWidget(OkBitBtn1);
    buttons->addWidget(CancelBitBtn);
    layout->addLayout(buttons);
    connect(TemplateBtn, &QPushButton::clicked, this, &PaperFormatDialog::TemplateBtnClick);
    connect(OkBitBtn1, &QPushButton::clicked, this, &PaperFormatDialog::OkBitBtn1Click);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PaperFormatDialog::OkBitBtn1Click() {
    accept();
}

void PaperFormatDialog::TemplateBtnClick() {
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
    values.NameED = NameED->text();
    values.RLED = RLED->value();
    values.ROED = ROED->value();
    values.BrED = BrED->value();
    values.HoED = HoED->value();
    values.AHED = AHED->value();
    values.AVED = AVED->value();
    values.AnzHED = AnzHED->value();
    values.AnzVED = AnzVED->value();
    return values;
}

void PaperFormatDialog::setValues(const PaperDialogValues& values) {
    NameED->setText(values.NameED);
    RLED->setValue(values.RLED);
    ROED->setValue(values.ROED);
    BrED->setValue(values.BrED);
    HoED->setValue(values.HoED);
    AHED->setValue(values.AHED);
    AVED->setValue(values.AVED);
    AnzHED->setValue(values.AnzHED);
    AnzVED->setValue(values.AnzVED);
}
