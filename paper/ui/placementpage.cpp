#include "paper/ui/placementpage.h"

#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "app/mainform.h"
#include "widgets/scrollbox.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/paperfile.h"
#include "print/drawvcart.h"
#include "base/screenfacts.h"
#include "raster/stretchdraw.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

PlacementPage::PlacementPage(TMainForm& form)
    : PageFrame(
          QStringLiteral("Zentrieren - Zunächst das Papierformat wählen und dann die Scanvorlage auf dem "
                         "Papier zentrieren"),
          QStringLiteral("Label/Cover zentrieren"), QStringLiteral("page-center")),
      form_(form) {
    setObjectName(QStringLiteral("ZentrierSheet"));
    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(buildPaperGroup());
    buildPlacementControls();

    ScrollBox2 = new ScrollBox(content());
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    PaintBox2 = ScrollBox2->paintBox();
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    PaintBox2->setCursor(Qt::PointingHandCursor);
    PaintBox2->resize(300, 300);
    PaintBox2->onPaint = [this](QPainter& painter, const QRect&) { paintView(painter); };
    PaintBox2->onMouseDown = [this](QMouseEvent* event) { PaintBox2MouseDown(event); };
    PaintBox2->onMouseMove = [this](QMouseEvent* event) { PaintBox2MouseMove(event); };
    PaintBox2->onMouseUp = [this](QMouseEvent* event) { PaintBox2MouseUp(event); };
    contentLayout->addWidget(ScrollBox2, 1);
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

TNewETypForm& PlacementPage::NewETypForm() {
    if (!newETypForm_) newETypForm_ = new TNewETypForm(&form_);
    return *newETypForm_;
}

// --- the catalogue --------------------------------------------------------------

const PaperType* PlacementPage::selectedPaperType() const {
    const int index = ComboBox1->currentIndex();
    if (index < 0 || size_t(index) >= form_.EttTypes.size()) return nullptr;
    return &form_.EttTypes[size_t(index)];
}

void PlacementPage::UpdateEttTypes() {
    {
        // The list is refilled in one go; the view is redrawn once at the end.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        for (const PaperType& paper : form_.EttTypes)
            ComboBox1->addItem(paper.displayName());
        if (ComboBox1->currentIndex() < 0 && ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
    }
    PaintBox2Paint();
}

void PlacementPage::ComboBox1Change() {
    PaintBox2Paint();
}

void PlacementPage::savePaperTypes() {
    SaveEttTypes(form_.EttTypes, form_.programDirectory);
}

void PlacementPage::storeDialogValues(int index) {
    applyDialogValues(form_.EttTypes[size_t(index)], NewETypForm().values());
    UpdateEttTypes();
    savePaperTypes();
    ComboBox1->setCurrentIndex(index);
}

void PlacementPage::NewBtnClick() {
    TNewETypForm& dialog = NewETypForm();
    dialog.NameED->setText(proposedPaperName(ComboBox1->count()));
    if (form_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    form_.EttTypes.emplace_back();
    storeDialogValues(int(form_.EttTypes.size()) - 1);
}

void PlacementPage::EditBtnClick() {
    const PaperType* paper = selectedPaperType();
    if (!paper) return;
    const int index = ComboBox1->currentIndex();
    TNewETypForm& dialog = NewETypForm();
    dialog.setValues(dialogValuesOf(*paper));
    if (form_.dialogs().runModal(dialog) != QDialog::Accepted) return;
    storeDialogValues(index);
}

void PlacementPage::DelBtnClick() {
    if (!selectedPaperType()) return;
    const MsgAnswer answer =
        form_.dialogs().message(QStringLiteral("Hiermit löschen Sie den Papiertyp unwiederrufbar."),
                                QStringLiteral("Hinweis"), MsgButtons::OkCancel, MsgIcon::Error);
    if (answer != MsgAnswer::Ok) return;
    removePaperType(form_.EttTypes, ComboBox1->currentIndex());
    UpdateEttTypes();
    savePaperTypes();
}

// --- the placement view -----------------------------------------------------------

PlacementValues PlacementPage::placementValues() const {
    return {BreitEd->value(), LinksEd->value(), ObenEd->value()};
}

QSize PlacementPage::viewSize() const {
    const PaperType* paper = selectedPaperType();
    if (!paper) return {300, 300};
    const QSize size =
        placementViewSize(paper->LabelWidth, paper->LabelHeight, ZoomEd3->value(), screenFacts().logicalDpiX);
    // A widget cannot grow beyond this; asking for more would resize forever.
    return size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void PlacementPage::PaintBox2Paint() {
    const QSize size = viewSize();
    if (!ScrollBox2->setPaintBoxSize(size.width(), size.height())) PaintBox2->update();
}

void PlacementPage::ZoomEd3Change() {
    PaintBox2Paint();
}

void PlacementPage::BreitEdChange() {
    PaintBox2Paint();
}

void PlacementPage::paintView(QPainter& painter) {
    const QSize size = viewSize();
    if (PaintBox2->size() != size) {
        // The next paint comes from the resize.
        QMetaObject::invokeMethod(this, &PlacementPage::PaintBox2Paint, Qt::QueuedConnection);
        return;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const int dpi = screenFacts().logicalDpiX;
    const double zoom = ZoomEd3->value() / 100.0;
    const ImagePlacement placement =
        placeImage(form_.currentImage.width(), form_.currentImage.height(), placementValues(),
                   PlacementDevice{size.width(), double(dpi), double(dpi), zoom, zoom}, form_.ImagePixelSize);
    drawWholeDib(painter, QRect(placement.shiftX, placement.shiftY, placement.imgW, placement.imgH),
                 form_.currentImage, true);
    DrawVCart(painter, placement.OffsetX, placement.OffsetY, placement.Scale, form_.objects,
              LabelRenderSettings{form_.ImagePixelSize, dpi, dpi});
}

// --- drag-to-scroll ----------------------------------------------------------------

void PlacementPage::PaintBox2MouseDown(QMouseEvent* event) {
    form_.dragScroll.mouseDown(*ScrollBox2, event->position().toPoint());
}

void PlacementPage::PaintBox2MouseMove(QMouseEvent* event) {
    form_.dragScroll.mouseMove(*ScrollBox2, event->position().toPoint());
}

void PlacementPage::PaintBox2MouseUp(QMouseEvent*) {
    form_.dragScroll.mouseUp();
}
