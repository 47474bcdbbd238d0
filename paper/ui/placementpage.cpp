#include "paper/ui/placementpage.h"

#include "document/coverjob.h"
#include "document/valuesteps.h"
#include "paper/papercatalogue.h"
#include "paper/paperfile.h"
#include "paper/templatedatabase.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementview.h"
#include "paper/ui/templatechooser.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

PlacementPage::PlacementPage(CoverJob& job, Shell& shell)
    : PageFrame(
          QStringLiteral("Zentrieren - Zunächst das Papierformat wählen und dann die Scanvorlage auf dem "
                         "Papier zentrieren"),
          QStringLiteral("Label/Cover zentrieren"), QStringLiteral("page-center")),
      job_(job), shell_(shell), catalogue_(shell.paperCatalogue()) {
    setObjectName(QStringLiteral("ZentrierSheet"));
    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(buildPaperGroup());
    buildPlacementControls();

    ScrollBox2 = new ScrollBox(content());
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    PaintBox2 = new PlacementView(job_, shell_, *ScrollBox2);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    PaintBox2->setZoom(ZoomEd3->value());
    contentLayout->addWidget(ScrollBox2, 1);

    connect(&catalogue_, &PaperCatalogue::changed, this, &PlacementPage::UpdateEttTypes);
    connect(&job_, &CoverJob::placementChanged, this, &PlacementPage::showPlacement);
    connect(&job_, &CoverJob::paperFormatChanged, this, &PlacementPage::showPaperFormat);
}

QWidget* PlacementPage::buildPaperGroup() {
    auto* group = new QGroupBox(QStringLiteral("Papierformat"), content());
    group->setObjectName(QStringLiteral("PaperGroup"));
    auto* rows = new QVBoxLayout(group);
    ComboBox1 = new QComboBox(group);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    // Long format names must not widen the window.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(12);
    takeWheelOnlyWithFocus(ComboBox1);
    addLabelledRow(rows, QStringLiteral("Auswahl:"), ComboBox1);
    auto* buttons = new QHBoxLayout;
    auto makeButton = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, group);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        return button;
    };
    NewBtn = makeButton("NewBtn", QStringLiteral("&Neu"));
    EditBtn = makeButton("EditBtn", QStringLiteral("Ä&ndern"));
    DelBtn = makeButton("DelBtn", QStringLiteral("&Löschen"));
    rows->addLayout(buttons);
    FirstStartLabel =
        new QLabel(QStringLiteral("Noch gibt es keine Papierformate. Wählen Sie Ihren Etikettenbogen aus den "
                                  "installierten Vorlagen – dann ist zum ersten Druck kein Lineal nötig."),
                   group);
    FirstStartLabel->setObjectName(QStringLiteral("FirstStartLabel"));
    FirstStartLabel->setWordWrap(true);
    FirstTemplateBtn = new QPushButton(QStringLiteral("Etikettenbogen aus &Vorlage wählen…"), group);
    FirstTemplateBtn->setObjectName(QStringLiteral("FirstTemplateBtn"));
    rows->addWidget(FirstStartLabel);
    rows->addWidget(FirstTemplateBtn, 0, Qt::AlignLeft);
    FirstStartLabel->hide();
    FirstTemplateBtn->hide();
    connect(FirstTemplateBtn, &QPushButton::clicked, this, &PlacementPage::FirstTemplateBtnClick);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &PlacementPage::ComboBox1Change);
    connect(NewBtn, &QPushButton::clicked, this, &PlacementPage::NewBtnClick);
    connect(EditBtn, &QPushButton::clicked, this, &PlacementPage::EditBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &PlacementPage::DelBtnClick);
    return group;
}

void PlacementPage::buildPlacementControls() {
    QWidget* panel = leftPanel();
    ZoomEd3 = makeSpinEdit("ZoomEd3", 10, 500, 10, 100, panel);
    BreitEd = makeSpinEdit("BreitEd", 10, 500, 10, 100, panel);
    LinksEd = makeRealSpinEdit("LinksEd", -1000, 1000, 1, 0, panel);
    ObenEd = makeRealSpinEdit("ObenEd", -1000, 1000, 1, 0, panel);
    addLabelledRow(leftControls(), QStringLiteral("Zoom:"), ZoomEd3, QStringLiteral("%"));
    addLabelledRow(leftControls(), QStringLiteral("Größe:"), BreitEd, QStringLiteral("%"));
    // The shift labels are too long to share a row with their edit in the panel.
    auto addShift = [&](const QString& label, QDoubleSpinBox* edit) {
        auto* caption = new QLabel(label, panel);
        caption->setBuddy(edit);
        leftControls()->addWidget(caption);
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(edit, 1);
        row->addWidget(new QLabel(QStringLiteral("mm"), panel));
        leftControls()->addLayout(row);
    };
    addShift(QStringLiteral("Links/rechts Verschiebung:"), LinksEd);
    addShift(QStringLiteral("Oben/unten Verschiebung:"), ObenEd);
    connect(ZoomEd3, &QSpinBox::valueChanged, this, &PlacementPage::ZoomEd3Change);
    connect(BreitEd, &QSpinBox::valueChanged, this, &PlacementPage::BreitEdChange);
    connect(LinksEd, &QDoubleSpinBox::valueChanged, this, &PlacementPage::BreitEdChange);
    connect(ObenEd, &QDoubleSpinBox::valueChanged, this, &PlacementPage::BreitEdChange);
}

PaperFormatDialog& PlacementPage::NewETypForm() {
    if (!newETypForm_) newETypForm_ = new PaperFormatDialog(shell_.dialogs(), window());
    return *newETypForm_;
}

// --- the catalogue --------------------------------------------------------------

const PaperType* PlacementPage::selectedPaperType() const {
    return catalogue_.format(ComboBox1->currentIndex());
}

void PlacementPage::chooseSelectedPaper() {
    const PaperType* paper = selectedPaperType();
    job_.choosePaperFormat(paper ? std::optional<PaperType>(*paper) : std::nullopt,
                           catalogue_.shape(ComboBox1->currentIndex()));
}

void PlacementPage::showPaperFormat() {
    const std::optional<PaperType>& paper = job_.paperFormat();
    if (!paper) return;
    if (const PaperType* shown = selectedPaperType(); shown && sameNameAndGeometry(*shown, *paper)) return;
    const int index = catalogue_.indexOf(*paper);
    if (index < 0) return;
    // The job has the format already; the list only shows it.
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->setCurrentIndex(index);
}

void PlacementPage::UpdateEttTypes() {
    {
        // The list is refilled in one go; the view is redrawn once at the end.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        for (const PaperType& paper : catalogue_.formats())
            ComboBox1->addItem(paper.displayName());
        if (ComboBox1->currentIndex() < 0 && ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
    }
    showFirstStartOffer();
    chooseSelectedPaper();
    PaintBox2->fitToLabel();
}

void PlacementPage::ComboBox1Change() {
    chooseSelectedPaper();
}

void PlacementPage::storeDialogValues(int index, PaperType paper) {
    applyDialogValues(paper, NewETypForm().values());
    if (index == catalogue_.count())
        catalogue_.add(paper, NewETypForm().shape());
    else
        catalogue_.replace(index, paper, NewETypForm().shape());
    catalogue_.save();
    ComboBox1->setCurrentIndex(index);
}

void PlacementPage::NewBtnClick() {
    PaperFormatDialog& dialog = NewETypForm();
    dialog.NameED->setText(proposedPaperName(ComboBox1->count()));
    dialog.setShape(std::nullopt);
    if (shell_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    storeDialogValues(catalogue_.count(), PaperType{});
}

void PlacementPage::EditBtnClick() {
    const PaperType* paper = selectedPaperType();
    if (!paper) return;
    const int index = ComboBox1->currentIndex();
    PaperFormatDialog& dialog = NewETypForm();
    dialog.setValues(dialogValuesOf(*paper));
    dialog.setShape(catalogue_.shape(index));
    if (shell_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    storeDialogValues(index, *paper);
}

void PlacementPage::DelBtnClick() {
    if (!selectedPaperType()) return;
    const MsgAnswer answer =
        shell_.dialogs().message(QStringLiteral("Hiermit löschen Sie den Papiertyp unwiederrufbar."),
                                 QStringLiteral("Hinweis"), MsgButtons::OkCancel, MsgIcon::Error);
    if (answer != MsgAnswer::Ok) return;
    catalogue_.remove(ComboBox1->currentIndex());
    catalogue_.save();
}

void PlacementPage::FirstTemplateBtnClick() {
    TemplateChooser chooser(loadTemplateDatabase(templateFolders()), window());
    if (shell_.dialogs().runModal(chooser) != QDialog::Accepted) return;
    const std::optional<TemplateFormat> format = chooser.chosenFormat();
    if (!format) return;
    const int index = catalogue_.count();
    catalogue_.add(format->paper, format->shape);
    catalogue_.save();
    ComboBox1->setCurrentIndex(index);
    showFirstStartOffer();
}

void PlacementPage::showFirstStartOffer() {
    const bool firstStart = catalogue_.count() == 0 && !catalogue_.fileExisted();
    FirstStartLabel->setVisible(firstStart);
    FirstTemplateBtn->setVisible(firstStart);
}

// --- the placement view -----------------------------------------------------------

PlacementValues PlacementPage::placementValues() const {
    return {BreitEd->value(), LinksEd->value(), ObenEd->value()};
}

// A value set from elsewhere (a job read from a file) shows in its edit; an
// edit already showing it is left alone, so a number being typed stays as typed.
// The edits are quiet meanwhile: each would hand the job all three values, the
// others still old, before they were shown.
void PlacementPage::showPlacement() {
    const PlacementValues values = job_.placement();
    const QSignalBlocker quietWidth(BreitEd), quietRight(LinksEd), quietDown(ObenEd);
    if (BreitEd->value() != values.widthPercent) BreitEd->setValue(values.widthPercent);
    if (LinksEd->value() != values.shiftRightMm) LinksEd->setValue(values.shiftRightMm);
    if (ObenEd->value() != values.shiftDownMm) ObenEd->setValue(values.shiftDownMm);
}

void PlacementPage::ZoomEd3Change() {
    PaintBox2->setZoom(ZoomEd3->value());
}

void PlacementPage::BreitEdChange() {
    setPlacementAsStep(job_, placementValues());
}
