#include "objects/ui/annotationpage.h"

#include "base/units.h"
#include "document/coverjob.h"
#include "objects/ui/annotationeditor.h"
#include "objects/ui/annotationview.h"
#include "widgets/controls.h"
#include "widgets/pictures.h"
#include "widgets/scrollbox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QRadioButton* makeRadio(const char* name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

} // namespace

AnnotationPage::AnnotationPage(CoverJob& job, Shell& shell)
    : PageFrame(
          QStringLiteral("Kommentare - Hier können Sie Text-Objekte oder einfache Grafik-Objekte hinzufügen"),
          QString(), QString()),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("KommentarSheet"));
    auto* row = new QHBoxLayout(content());
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    buildToolbar();
    row->addWidget(Toolbar);

    ScrollBox1 = new ScrollBox(content());
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    PaintBox1 = new AnnotationView(job_, shell_, *ScrollBox1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->resize(313, 201);
    row->addWidget(ScrollBox1, 1);

    // Takes the keyboard for the page; it sits hidden behind the view.
    KeyEdit = new QLineEdit(content());
    KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
    KeyEdit->setFixedSize(1, 1);
    KeyEdit->lower();

    PageControl3 = new QTabWidget(content());
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setFixedWidth(170);
    FigurSheet = buildFigurSheet();
    TextSheet = buildTextSheet();
    AllgemeinSheet = buildAllgemeinSheet();
    PageControl3->addTab(FigurSheet, QStringLiteral("Figur"));
    PageControl3->addTab(TextSheet, QStringLiteral("Text"));
    PageControl3->addTab(AllgemeinSheet, QStringLiteral("Allgemein"));
    row->addWidget(PageControl3);
    connectPanel();
    registerCursors();
    editor = new AnnotationEditor(job_, shell_, *this);
    CheckAllPanelOptions();
    connect(&job_, &CoverJob::pageChanged, this, &AnnotationPage::resizeToPage);
    connect(&job_, &CoverJob::viewScalesChanged, this, &AnnotationPage::resizeToPage);
    // The panel follows the objects at once, even while another page is shown.
    connect(&job_, &CoverJob::objectsChanged, this, &AnnotationPage::repaintView);
    connect(&job_, &CoverJob::imageChanged, PaintBox1, qOverload<>(&QWidget::update));
}

void AnnotationPage::registerCursors() {
    screenCursors[CursorResizeTopLeft] = QCursor(Qt::SizeFDiagCursor);
    screenCursors[CursorResizeTopRight] = QCursor(Qt::SizeBDiagCursor);
    screenCursors[CursorResizeBottomLeft] = QCursor(Qt::SizeBDiagCursor);
    screenCursors[CursorResizeBottomRight] = QCursor(Qt::SizeFDiagCursor);
    screenCursors[CursorResizeTop] = QCursor(Qt::SizeVerCursor);
    screenCursors[CursorResizeBottom] = QCursor(Qt::SizeVerCursor);
    screenCursors[CursorResizeLeft] = QCursor(Qt::SizeHorCursor);
    screenCursors[CursorResizeRight] = QCursor(Qt::SizeHorCursor);
    screenCursors[CursorGrab] = pictures::cursor(pictures::CursorName::DragC);
    screenCursors[CursorArrow] = QCursor(Qt::ArrowCursor);
    screenCursors[CursorMagnifier] = pictures::cursor(pictures::CursorName::Lupe);
    screenCursors[CursorInsert] = pictures::cursor(pictures::CursorName::MultiDrag);
}

AnnotationPage::~AnnotationPage() {
    delete editor;
    editor = nullptr;
}

void AnnotationPage::buildToolbar() {
    Toolbar = new QToolBar(content());
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setOrientation(Qt::Vertical);
    Toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolGroup = new QButtonGroup(this);
    toolGroup->setExclusive(true);
    auto addTool = [&](const char* name, const QString& caption, const QString& hint) {
        auto* tool = new QToolButton(Toolbar);
        tool->setObjectName(QLatin1String(name));
        tool->setText(caption);
        tool->setToolTip(hint);
        tool->setCheckable(true);
        tool->setMinimumWidth(48);
        toolGroup->addButton(tool);
        Toolbar->addWidget(tool);
        return tool;
    };
    SpeedItem3 = addTool("SpeedItem3", QStringLiteral("Zeiger"), QStringLiteral("Verändert Objekte"));
    SpeedZoom = addTool("SpeedZoom", QStringLiteral("Lupe"), QStringLiteral("Vergrößert oder Verkleinert"));
    SpeedHand =
        addTool("SpeedHand", QStringLiteral("Hand"), QStringLiteral("Verschiebt den sichtbaren Ausschnitt"));
    SpeedItem1 =
        addTool("SpeedItem1", QStringLiteral("Figur"), QStringLiteral("Fügt eine geometrische Figur ein"));
    SpeedItem2 = addTool("SpeedItem2", QStringLiteral("Text"),
                         QStringLiteral("Fügt Text ein - auf das Textfeld doppelklicken um Text einzugeben"));
    SpeedItem4 = addTool("SpeedItem4", QStringLiteral("Notiz"), QString());
    SpeedItem3->setChecked(true);
}

QWidget* AnnotationPage::buildFigurSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("FigurSheet"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    static const char* const names[10] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                                          "RadioButton5", "RadioButton6", "RadioButton7", "RadioButton8",
                                          "RadioButton9", "RadioButton10"};
    const QStringList captions = {QStringLiteral("Kreis"),
                                  QStringLiteral("Ellipse"),
                                  QStringLiteral("Quadrat"),
                                  QStringLiteral("Rechteck"),
                                  QStringLiteral("Quadrat abgerundet"),
                                  QStringLiteral("Rechteck abgerundet"),
                                  QStringLiteral("Linie horizontal"),
                                  QStringLiteral("Linie vertikal"),
                                  QStringLiteral("Linie schräg hoch"),
                                  QStringLiteral("Linie schräg runter")};
    auto* shapes = new QButtonGroup(sheet);
    for (int i = 0; i < 10; ++i) {
        shapeButtons[i] = makeRadio(names[i], captions[i], sheet);
        shapes->addButton(shapeButtons[i], i);
        layout->addWidget(shapeButtons[i]);
    }
    ColorBtn = makeButton("ColorBtn", QStringLiteral("Farbe..."), sheet);
    UColorBtn = makeButton("UColorBtn", QStringLiteral("Umrandungsfarbe..."), sheet);
    layout->addWidget(ColorBtn);
    layout->addWidget(UColorBtn);
    auto* fills = new QButtonGroup(sheet);
    FilledCheck = makeRadio("FilledCheck", QStringLiteral("Ausgefüllt"), sheet);
    BorderCheck = makeRadio("BorderCheck", QStringLiteral("Nur Umrandung"), sheet);
    FilledBorderCheck = makeRadio("FilledBorderCheck", QStringLiteral("Gefüllt und Umrandung"), sheet);
    for (QRadioButton* fill : {FilledCheck, BorderCheck, FilledBorderCheck}) {
        fills->addButton(fill);
        layout->addWidget(fill);
    }
    LinieEd = makeSpinEdit("LinieEd", 1, 20, 1, 1, sheet);
    addLabelledRow(layout, QStringLiteral("Linienstärke:"), LinieEd);
    layout->addStretch(1);
    return sheet;
}

QWidget* AnnotationPage::buildTextSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TextSheet"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setSpacing(2);
    EnterTextBtn = makeButton("EnterTextBtn", QStringLiteral("Text eingeben..."), sheet);
    FontBtn = makeButton("FontBtn", QStringLiteral("Schriftart..."), sheet);
    TextFXBtn = makeButton("TextFXBtn", QStringLiteral("Texteffekte..."), sheet);
    Color2Btn = makeButton("Color2Btn", QStringLiteral("Farbe..."), sheet);
    for (QPushButton* button : {EnterTextBtn, FontBtn, TextFXBtn, Color2Btn})
        layout->addWidget(button);
    auto* aligns = new QButtonGroup(sheet);
    Leftalign = makeRadio("Leftalign", QStringLiteral("Linksbündig"), sheet);
    CenterAlign = makeRadio("CenterAlign", QStringLiteral("Zentriert"), sheet);
    RightAlign = makeRadio("RightAlign", QStringLiteral("Rechtsbündig"), sheet);
    for (QRadioButton* align : {Leftalign, CenterAlign, RightAlign}) {
        aligns->addButton(align);
        layout->addWidget(align);
    }
    rottextleftbtn = makeButton("rottextleftbtn", QStringLiteral("Nach links rotieren"), sheet);
    rottextrightbtn = makeButton("rottextrightbtn", QStringLiteral("Nach rechts rotieren"), sheet);
    layout->addWidget(rottextleftbtn);
    layout->addWidget(rottextrightbtn);
    layout->addStretch(1);
    return sheet;
}

QWidget* AnnotationPage::buildAllgemeinSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("AllgemeinSheet"));
    auto* layout = new QVBoxLayout(sheet);
    Del1Btn = makeButton("Del1Btn", QStringLiteral("Löschen..."), sheet);
    Front1Btn = makeButton("Front1Btn", QStringLiteral("Nach vorne"), sheet);
    Back1Btn = makeButton("Back1Btn", QStringLiteral("Nach hinten"), sheet);
    for (QPushButton* button : {Del1Btn, Front1Btn, Back1Btn})
        layout->addWidget(button);
    layout->addStretch(1);
    return sheet;
}

void AnnotationPage::resizeToPage() {
    const double perPixel = job_.unitsPerScreenPixel();
    if (perPixel <= 0) return;
    ScrollBox1->setPaintBoxSize(units::trunc32(job_.pageWidth() * job_.viewZoom() / perPixel),
                                units::trunc32(job_.pageHeight() * job_.viewZoom() / perPixel));
}

void AnnotationPage::CheckAllPanelOptions() {
    const AnnotationObject* object = job_.objects().selected();
    if (!object) {
        PageControl3->setTabVisible(PageControl3->indexOf(FigurSheet), false);
        PageControl3->setTabVisible(PageControl3->indexOf(TextSheet), false);
        PageControl3->setTabVisible(PageControl3->indexOf(AllgemeinSheet), false);
        return;
    }
    PageControl3->setTabVisible(PageControl3->indexOf(AllgemeinSheet), true);
    if (object->Kind == KindFigure) {
        PageControl3->setTabVisible(PageControl3->indexOf(FigurSheet), true);
        PageControl3->setTabVisible(PageControl3->indexOf(TextSheet), false);
        if (object->Shape >= 0 && object->Shape <= 9) shapeButtons[object->Shape]->setChecked(true);
        const bool line = object->Shape > 5;
        for (QWidget* control :
             {static_cast<QWidget*>(UColorBtn), static_cast<QWidget*>(FilledCheck),
              static_cast<QWidget*>(BorderCheck), static_cast<QWidget*>(FilledBorderCheck)})
            control->setEnabled(!line);
        if (!line) {
            if (object->FillMode == 0) FilledCheck->setChecked(true);
            if (object->FillMode == 1) BorderCheck->setChecked(true);
            if (object->FillMode == 2) FilledBorderCheck->setChecked(true);
        }
        LinieEd->setValue(object->LineWidth);
        PageControl3->setCurrentWidget(FigurSheet);
    } else if (object->Kind == KindText) {
        PageControl3->setTabVisible(PageControl3->indexOf(FigurSheet), false);
        PageControl3->setTabVisible(PageControl3->indexOf(TextSheet), true);
        if (object->Align == 0) Leftalign->setChecked(true);
        if (object->Align == 1) CenterAlign->setChecked(true);
        if (object->Align == 2) RightAlign->setChecked(true);
        PageControl3->setCurrentWidget(TextSheet);
    }
}
