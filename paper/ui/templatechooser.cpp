#include "paper/ui/templatechooser.h"

#include "paper/ui/templatesheetview.h"

#include <QCheckBox>
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

const QString kNothingInstalled =
    QStringLiteral("Es sind keine Etikettenvorlagen installiert. Das Paket glabels-data bringt über "
                   "1.700 Etikettenbögen vieler Hersteller mit.");
const QString kSeveralGrids =
    QStringLiteral("Dieser Bogen hat versetzte Reihen: jedes Raster wird ein eigenes Papierformat, "
                   "\"(1)\", \"(2)\", …, und wird für sich bedruckt.");

} // namespace

TemplateChooser::TemplateChooser(TemplateDatabase database, QWidget* parent)
    : QDialog(parent), database_(std::move(database)) {
    setObjectName(QStringLiteral("TemplateChooser"));
    setWindowTitle(QStringLiteral("Etikettenvorlage wählen"));
    auto* layout = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    auto* searchCaption = new QLabel(QStringLiteral("&Suchen:"), this);
    SearchED = new QLineEdit(this);
    SearchED->setObjectName(QStringLiteral("SearchED"));
    SearchED->setPlaceholderText(QStringLiteral("Marke, Artikel oder Beschreibung"));
    searchCaption->setBuddy(SearchED);
    DiscOnlyCB = new QCheckBox(QStringLiteral("nur &CD/DVD"), this);
    DiscOnlyCB->setObjectName(QStringLiteral("DiscOnlyCB"));
    filters->addWidget(searchCaption);
    filters->addWidget(SearchED, 1);
    filters->addWidget(DiscOnlyCB);
    layout->addLayout(filters);

    auto* middle = new QHBoxLayout;
    TemplateList = new QTreeWidget(this);
    TemplateList->setObjectName(QStringLiteral("TemplateList"));
    TemplateList->setRootIsDecorated(false);
    TemplateList->setUniformRowHeights(true);
    TemplateList->setHeaderLabels({QStringLiteral("Marke"), QStringLiteral("Artikel"),
                                   QStringLiteral("Beschreibung"), QStringLiteral("Etikett"),
                                   QStringLiteral("Pro Bogen"), QStringLiteral("Bogen")});
    // Every column but the description as wide as its widest entry; the
    // description takes the room left and is cut short, its whole text in the
    // tooltip. So the sizes can be read without scrolling sideways.
    QHeaderView* header = TemplateList->header();
    header->setStretchLastSection(false);
    header->setResizeContentsPrecision(-1);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kDescriptionColumn, QHeaderView::Stretch);
    middle->addWidget(TemplateList, 1);
    SheetView = new TemplateSheetView(this);
    middle->addWidget(SheetView, 0, Qt::AlignTop);
    layout->addLayout(middle, 1);

    HintLabel = new QLabel(this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setWordWrap(true);
    layout->addWidget(HintLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);

    connect(SearchED, &QLineEdit::textChanged, this, &TemplateChooser::fillList);
    connect(DiscOnlyCB, &QCheckBox::toggled, this, &TemplateChooser::fillList);
    connect(TemplateList, &QTreeWidget::currentItemChanged, this, &TemplateChooser::selectionChanged);
    connect(TemplateList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
    fitListWidth();
}

void TemplateChooser::fitListWidth() {
    // Measured with every template listed, the widest the columns become.
    const QHeaderView* header = TemplateList->header();
    int width = kDescriptionMinimumWidth + 2 * TemplateList->frameWidth() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TemplateList);
    for (int column = 0; column < header->count(); ++column)
        if (column != kDescriptionColumn) width += header->sectionSize(column);
    TemplateList->setMinimumSize(std::max(width, 620), 320);
}

void TemplateChooser::fillList() {
    TemplateList->clear();
    rows_.clear();
    QList<QTreeWidgetItem*> items;
    for (const LabelTemplate* label :
         matchingTemplates(database_, SearchED->text(), DiscOnlyCB->isChecked())) {
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
    TemplateList->addTopLevelItems(items);
    if (!items.isEmpty()) TemplateList->setCurrentItem(items.first());
    selectionChanged();
}

const TemplateChooser::Row* TemplateChooser::selectedRow() const {
    const int index = TemplateList->indexOfTopLevelItem(TemplateList->currentItem());
    return index >= 0 && size_t(index) < rows_.size() ? &rows_[size_t(index)] : nullptr;
}

void TemplateChooser::selectionChanged() {
    const Row* row = selectedRow();
    OkBtn->setEnabled(row != nullptr);
    SheetView->showSheet(row ? std::optional<LabelTemplate>(*row->label) : std::nullopt, row ? row->grid : 0);
    if (database_.templates.empty())
        HintLabel->setText(kNothingInstalled);
    else
        HintLabel->setText(row && row->label->layouts.size() > 1 ? kSeveralGrids : QString());
}

std::optional<TemplateFormat> TemplateChooser::chosenFormat() const {
    const Row* row = selectedRow();
    if (!row) return std::nullopt;
    return paperFormatsOf(*row->label)[size_t(row->grid)];
}
