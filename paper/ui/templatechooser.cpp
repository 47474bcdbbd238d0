#include "paper/ui/templatechooser.h"

#include "paper/ui/templatesheetview.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kDescriptionColumn = 2;
constexpr int kDescriptionMinimumWidth = 160;

QString nothingInstalledHint() {
    return QCoreApplication::translate(
        "TemplateChooser", "Es sind keine Etikettenvorlagen installiert. Das Paket glabels-data bringt über "
                           "1.700 Etikettenbögen vieler Hersteller mit.");
}

QString severalGridsHint() {
    return QCoreApplication::translate(
        "TemplateChooser", "Dieser Bogen hat versetzte Reihen: jedes Raster wird ein eigenes Papierformat, "
                           "\"(1)\", \"(2)\", …, und wird für sich bedruckt.");
}

} // namespace

TemplateChooser::TemplateChooser(TemplateDatabase database, QWidget* parent)
    : QDialog(parent), database_(std::move(database)) {
    setObjectName(QStringLiteral("TemplateChooser"));
    setWindowTitle(tr("Etikettenvorlage wählen"));
    auto* layout = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    auto* searchCaption = new QLabel(tr("&Suchen:"), this);
    searchEdit = new QLineEdit(this);
    searchEdit->setObjectName(QStringLiteral("searchEdit"));
    searchEdit->setPlaceholderText(tr("Marke, Artikel oder Beschreibung"));
    searchCaption->setBuddy(searchEdit);
    discOnlyCheck = new QCheckBox(tr("nur &CD/DVD"), this);
    discOnlyCheck->setObjectName(QStringLiteral("discOnlyCheck"));
    filters->addWidget(searchCaption);
    filters->addWidget(searchEdit, 1);
    filters->addWidget(discOnlyCheck);
    layout->addLayout(filters);

    auto* middle = new QHBoxLayout;
    templateList = new QTreeWidget(this);
    templateList->setObjectName(QStringLiteral("templateList"));
    templateList->setRootIsDecorated(false);
    templateList->setUniformRowHeights(true);
    templateList->setHeaderLabels(
        {tr("Marke"), tr("Artikel"), tr("Beschreibung"), tr("Etikett"), tr("Pro Bogen"), tr("Bogen")});
    // Every column but the description as wide as its widest entry; the
    // description takes the room left and is cut short, its whole text in the
    // tooltip. So the sizes can be read without scrolling sideways.
    QHeaderView* header = templateList->header();
    header->setStretchLastSection(false);
    header->setResizeContentsPrecision(-1);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kDescriptionColumn, QHeaderView::Stretch);
    middle->addWidget(templateList, 1);
    sheetView = new TemplateSheetView(this);
    middle->addWidget(sheetView, 0, Qt::AlignTop);
    layout->addLayout(middle, 1);

    hintLabel = new QLabel(this);
    hintLabel->setObjectName(QStringLiteral("hintLabel"));
    hintLabel->setWordWrap(true);
    layout->addWidget(hintLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("&Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(searchEdit, &QLineEdit::textChanged, this, &TemplateChooser::fillList);
    connect(discOnlyCheck, &QCheckBox::toggled, this, &TemplateChooser::fillList);
    connect(templateList, &QTreeWidget::currentItemChanged, this, &TemplateChooser::selectionChanged);
    connect(templateList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
    fitListWidth();
}

void TemplateChooser::fitListWidth() {
    // Measured with every template listed, the widest the columns become.
    const QHeaderView* header = templateList->header();
    int width = kDescriptionMinimumWidth + 2 * templateList->frameWidth() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, templateList);
    for (int column = 0; column < header->count(); ++column)
        if (column != kDescriptionColumn) width += header->sectionSize(column);
    templateList->setMinimumSize(std::max(width, 620), 320);
}

void TemplateChooser::fillList() {
    templateList->clear();
    rows_.clear();
    QList<QTreeWidgetItem*> items;
    for (const LabelTemplate* label :
         matchingTemplates(database_, searchEdit->text(), discOnlyCheck->isChecked())) {
        const int grids = int(label->layouts.size());
        for (int grid = 0; grid < grids; ++grid) {
            const TemplateLayout& layout = label->layouts[size_t(grid)];
            const QString part =
                grids > 1 ? QStringLiteral("%1 (%2)").arg(label->part).arg(grid + 1) : label->part;
            auto* item = new QTreeWidgetItem(
                QStringList{label->brand, part, label->description, labelSizeText(*label),
                            QString::number(layout.nx * layout.ny), sheetSizeText(*label)});
            item->setToolTip(kDescriptionColumn, label->description);
            items << item;
            rows_.push_back({label, grid});
        }
    }
    templateList->addTopLevelItems(items);
    if (!items.isEmpty()) templateList->setCurrentItem(items.first());
    selectionChanged();
}

const TemplateChooser::Row* TemplateChooser::selectedRow() const {
    const int index = templateList->indexOfTopLevelItem(templateList->currentItem());
    return index >= 0 && size_t(index) < rows_.size() ? &rows_[size_t(index)] : nullptr;
}

void TemplateChooser::selectionChanged() {
    const Row* row = selectedRow();
    okButton->setEnabled(row != nullptr);
    sheetView->showSheet(row ? std::optional<LabelTemplate>(*row->label) : std::nullopt, row ? row->grid : 0);
    if (database_.templates.empty())
        hintLabel->setText(nothingInstalledHint());
    else
        hintLabel->setText(row && row->label->layouts.size() > 1 ? severalGridsHint() : QString());
}

std::optional<TemplateFormat> TemplateChooser::chosenFormat() const {
    const Row* row = selectedRow();
    if (!row) return std::nullopt;
    return paperFormatsOf(*row->label)[size_t(row->grid)];
}
