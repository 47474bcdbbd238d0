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
    : PageFrame(tr("Zentrieren - Zunächst das Papierformat wählen und dann die Scanvorlage auf dem "
                   "Papier zentrieren"),
                tr("Label/Cover zentrieren"), QStringLiteral("page-center")),
      job_(job), shell_(shell), catalogue_(shell.paperCatalogue()) {
    setObjectName(QStringLiteral("ZentrierSheet"));
    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(buildPaperGroup());
    buildPlacementControls();

    placementScroll = new ScrollBox(content());
    placementScroll->setObjectName(QStringLiteral("placementScroll"));
    placementView = new PlacementView(job_, shell_, *placementScroll);
    placementView->setObjectName(QStringLiteral("placementView"));
    placementView->setZoom(zoomSpin->value());
    contentLayout->addWidget(placementScroll, 1);

    connect(&catalogue_, &PaperCatalogue::changed, this, &PlacementPage::UpdateEttTypes);
    connect(&job_, &CoverJob::placementChanged, this, &PlacementPage::showPlacement);
    connect(&job_, &CoverJob::paperFormatChanged, this, &PlacementPage::showPaperFormat);
}

QWidget* PlacementPage::buildPaperGroup() {
    auto* group = new QGroupBox(tr("Papierformat"), content());
    group->setObjectName(QStringLiteral("PaperGroup"));
    auto* rows = new QVBoxLayout(group);
    formatCombo = new QComboBox(group);
    formatCombo->setObjectName(QStringLiteral("formatCombo"));
    // Long format names must not widen the window.
    formatCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    formatCombo->setMinimumContentsLength(12);
    takeWheelOnlyWithFocus(formatCombo);
    addLabelledRow(rows, tr("Auswahl:"), formatCombo);
    auto* buttons = new QHBoxLayout;
    auto makeButton = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, group);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        return button;
    };
    newFormatButton = makeButton("newFormatButton", tr("&Neu"));
    editFormatButton = makeButton("editFormatButton", tr("Ä&ndern"));
    deleteFormatButton = makeButton("deleteFormatButton", tr("&Löschen"));
    rows->addLayout(buttons);
    firstStartLabel =
        new QLabel(tr("Noch gibt es keine Papierformate. Wählen Sie Ihren Etikettenbogen aus den "
                      "installierten Vorlagen – dann ist zum ersten Druck kein Lineal nötig."),
                   group);
    firstStartLabel->setObjectName(QStringLiteral("firstStartLabel"));
    firstStartLabel->setWordWrap(true);
    firstTemplateButton = new QPushButton(tr("Etikettenbogen aus &Vorlage wählen…"), group);
    firstTemplateButton->setObjectName(QStringLiteral("firstTemplateButton"));
    rows->addWidget(firstStartLabel);
    rows->addWidget(firstTemplateButton, 0, Qt::AlignLeft);
    firstStartLabel->hide();
    firstTemplateButton->hide();
    connect(firstTemplateButton, &QPushButton::clicked, this, &PlacementPage::chooseFirstTemplate);
    connect(formatCombo, &QComboBox::currentIndexChanged, this, &PlacementPage::formatChosen);
    connect(newFormatButton, &QPushButton::clicked, this, &PlacementPage::newFormat);
    connect(editFormatButton, &QPushButton::clicked, this, &PlacementPage::editFormat);
    connect(deleteFormatButton, &QPushButton::clicked, this, &PlacementPage::deleteFormat);
    return group;
}

void PlacementPage::buildPlacementControls() {
    QWidget* panel = leftPanel();
    zoomSpin = makeSpinEdit("zoomSpin", 10, 500, 10, 100, panel);
    widthSpin = makeSpinEdit("widthSpin", 10, 500, 10, 100, panel);
    leftSpin = makeRealSpinEdit("leftSpin", -1000, 1000, 1, 0, panel);
    topSpin = makeRealSpinEdit("topSpin", -1000, 1000, 1, 0, panel);
    addLabelledRow(leftControls(), tr("Zoom:"), zoomSpin, QStringLiteral("%"));
    addLabelledRow(leftControls(), tr("Größe:"), widthSpin, QStringLiteral("%"));
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
    addShift(tr("Links/rechts Verschiebung:"), leftSpin);
    addShift(tr("Oben/unten Verschiebung:"), topSpin);
    connect(zoomSpin, &QSpinBox::valueChanged, this, &PlacementPage::zoomChanged);
    connect(widthSpin, &QSpinBox::valueChanged, this, &PlacementPage::widthChanged);
    connect(leftSpin, &QDoubleSpinBox::valueChanged, this, &PlacementPage::widthChanged);
    connect(topSpin, &QDoubleSpinBox::valueChanged, this, &PlacementPage::widthChanged);
}

PaperFormatDialog& PlacementPage::paperFormatDialog() {
    if (!newETypForm_) newETypForm_ = new PaperFormatDialog(shell_.dialogs(), window());
    return *newETypForm_;
}

// --- the catalogue --------------------------------------------------------------

const PaperType* PlacementPage::selectedPaperType() const {
    return catalogue_.format(formatCombo->currentIndex());
}

void PlacementPage::chooseSelectedPaper() {
    const PaperType* paper = selectedPaperType();
    job_.choosePaperFormat(paper ? std::optional<PaperType>(*paper) : std::nullopt,
                           catalogue_.shape(formatCombo->currentIndex()));
}

void PlacementPage::showPaperFormat() {
    const std::optional<PaperType>& paper = job_.paperFormat();
    if (!paper) return;
    if (const PaperType* shown = selectedPaperType(); shown && sameNameAndGeometry(*shown, *paper)) return;
    const int index = catalogue_.indexOf(*paper);
    if (index < 0) return;
    // The job has the format already; the list only shows it.
    const QSignalBlocker quiet(formatCombo);
    formatCombo->setCurrentIndex(index);
}

void PlacementPage::UpdateEttTypes() {
    {
        // The list is refilled in one go; the view is redrawn once at the end.
        const QSignalBlocker quiet(formatCombo);
        formatCombo->clear();
        for (const PaperType& paper : catalogue_.formats())
            formatCombo->addItem(paper.displayName());
        if (formatCombo->currentIndex() < 0 && formatCombo->count() > 0) formatCombo->setCurrentIndex(0);
    }
    showFirstStartOffer();
    chooseSelectedPaper();
    placementView->fitToLabel();
}

void PlacementPage::formatChosen() {
    chooseSelectedPaper();
}

void PlacementPage::storeDialogValues(int index, PaperType paper) {
    applyDialogValues(paper, paperFormatDialog().values());
    if (index == catalogue_.count())
        catalogue_.add(paper, paperFormatDialog().shape());
    else
        catalogue_.replace(index, paper, paperFormatDialog().shape());
    catalogue_.save();
    formatCombo->setCurrentIndex(index);
}

void PlacementPage::newFormat() {
    PaperFormatDialog& dialog = paperFormatDialog();
    dialog.nameEdit->setText(proposedPaperName(formatCombo->count()));
    dialog.setShape(std::nullopt);
    if (shell_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    storeDialogValues(catalogue_.count(), PaperType{});
}

void PlacementPage::editFormat() {
    const PaperType* paper = selectedPaperType();
    if (!paper) return;
    const int index = formatCombo->currentIndex();
    PaperFormatDialog& dialog = paperFormatDialog();
    dialog.setValues(dialogValuesOf(*paper));
    dialog.setShape(catalogue_.shape(index));
    if (shell_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    storeDialogValues(index, *paper);
}

void PlacementPage::deleteFormat() {
    if (!selectedPaperType()) return;
    const MsgAnswer answer = shell_.dialogs().message(tr("Hiermit löschen Sie den Papiertyp unwiederrufbar."),
                                                      tr("Hinweis"), MsgButtons::OkCancel, MsgIcon::Error);
    if (answer != MsgAnswer::Ok) return;
    catalogue_.remove(formatCombo->currentIndex());
    catalogue_.save();
}

void PlacementPage::chooseFirstTemplate() {
    TemplateChooser chooser(loadTemplateDatabase(templateFolders()), window());
    if (shell_.dialogs().runModal(chooser) != QDialog::Accepted) return;
    const std::optional<TemplateFormat> format = chooser.chosenFormat();
    if (!format) return;
    const int index = catalogue_.count();
    catalogue_.add(format->paper, format->shape);
    catalogue_.save();
    formatCombo->setCurrentIndex(index);
    showFirstStartOffer();
}

void PlacementPage::showFirstStartOffer() {
    const bool firstStart = catalogue_.count() == 0 && !catalogue_.fileExisted();
    firstStartLabel->setVisible(firstStart);
    firstTemplateButton->setVisible(firstStart);
}

// --- the placement view -----------------------------------------------------------

PlacementValues PlacementPage::placementValues() const {
    return {widthSpin->value(), leftSpin->value(), topSpin->value()};
}

// A value set from elsewhere (a job read from a file) shows in its edit; an
// edit already showing it is left alone, so a number being typed stays as typed.
// The edits are quiet meanwhile: each would hand the job all three values, the
// others still old, before they were shown.
void PlacementPage::showPlacement() {
    const PlacementValues values = job_.placement();
    const QSignalBlocker quietWidth(widthSpin), quietRight(leftSpin), quietDown(topSpin);
    if (widthSpin->value() != values.widthPercent) widthSpin->setValue(values.widthPercent);
    if (leftSpin->value() != values.shiftRightMm) leftSpin->setValue(values.shiftRightMm);
    if (topSpin->value() != values.shiftDownMm) topSpin->setValue(values.shiftDownMm);
}

void PlacementPage::zoomChanged() {
    placementView->setZoom(zoomSpin->value());
}

void PlacementPage::widthChanged() {
    setPlacementAsStep(job_, placementValues());
}

void PlacementPage::chooseFirstFormat() {
    formatCombo->setCurrentIndex(0);
}
