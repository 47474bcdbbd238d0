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
    row->addWidget(toolBar);

    annotationScroll = new ScrollBox(content());
    annotationScroll->setObjectName(QStringLiteral("annotationScroll"));
    annotationView = new AnnotationView(job_, shell_, *annotationScroll);
    annotationView->setObjectName(QStringLiteral("annotationView"));
    annotationView->resize(313, 201);
    row->addWidget(annotationScroll, 1);

    // Takes the keyboard for the page; it sits hidden behind the view.
    keyCatcher = new QLineEdit(content());
    keyCatcher->setObjectName(QStringLiteral("keyCatcher"));
    keyCatcher->setFixedSize(1, 1);
    keyCatcher->lower();

    optionTabs = new QTabWidget(content());
    optionTabs->setObjectName(QStringLiteral("optionTabs"));
    optionTabs->setFixedWidth(170);
    shapeTab = buildFigurSheet();
    textTab = buildTextSheet();
    generalTab = buildAllgemeinSheet();
    optionTabs->addTab(shapeTab, QStringLiteral("Figur"));
    optionTabs->addTab(textTab, QStringLiteral("Text"));
    optionTabs->addTab(generalTab, QStringLiteral("Allgemein"));
    row->addWidget(optionTabs);
    connectPanel();
    registerCursors();
    editor = new AnnotationEditor(job_, shell_, *this);
    CheckAllPanelOptions();
    connect(&job_, &CoverJob::pageChanged, this, &AnnotationPage::resizeToPage);
    connect(&job_, &CoverJob::viewScalesChanged, this, &AnnotationPage::resizeToPage);
    // The panel follows the objects at once, even while another page is shown.
    connect(&job_, &CoverJob::objectsChanged, this, &AnnotationPage::repaintView);
    connect(&job_, &CoverJob::imageChanged, annotationView, qOverload<>(&QWidget::update));
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
    toolBar = new QToolBar(content());
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setOrientation(Qt::Vertical);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolGroup = new QButtonGroup(this);
    toolGroup->setExclusive(true);
    auto addTool = [&](const char* name, const QString& caption, const QString& hint) {
        auto* tool = new QToolButton(toolBar);
        tool->setObjectName(QLatin1String(name));
        tool->setText(caption);
        tool->setToolTip(hint);
        tool->setCheckable(true);
        tool->setMinimumWidth(48);
        toolGroup->addButton(tool);
        toolBar->addWidget(tool);
        return tool;
    };
    pointerTool = addTool("pointerTool", QStringLiteral("Zeiger"), QStringLiteral("Verändert Objekte"));
    magnifierTool =
        addTool("magnifierTool", QStringLiteral("Lupe"), QStringLiteral("Vergrößert oder Verkleinert"));
    handTool =
        addTool("handTool", QStringLiteral("Hand"), QStringLiteral("Verschiebt den sichtbaren Ausschnitt"));
    shapeTool =
        addTool("shapeTool", QStringLiteral("Figur"), QStringLiteral("Fügt eine geometrische Figur ein"));
    textTool = addTool("textTool", QStringLiteral("Text"),
                       QStringLiteral("Fügt Text ein - auf das Textfeld doppelklicken um Text einzugeben"));
    noteTool = addTool("noteTool", QStringLiteral("Notiz"), QString());
    pointerTool->setChecked(true);
}

QWidget* AnnotationPage::buildFigurSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("shapeTab"));
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
    colorButton = makeButton("colorButton", QStringLiteral("Farbe..."), sheet);
    outlineColorButton = makeButton("outlineColorButton", QStringLiteral("Umrandungsfarbe..."), sheet);
    layout->addWidget(colorButton);
    layout->addWidget(outlineColorButton);
    auto* fills = new QButtonGroup(sheet);
    filledRadio = makeRadio("filledRadio", QStringLiteral("Ausgefüllt"), sheet);
    outlinedRadio = makeRadio("outlinedRadio", QStringLiteral("Nur Umrandung"), sheet);
    filledOutlinedRadio = makeRadio("filledOutlinedRadio", QStringLiteral("Gefüllt und Umrandung"), sheet);
    for (QRadioButton* fill : {filledRadio, outlinedRadio, filledOutlinedRadio}) {
        fills->addButton(fill);
        layout->addWidget(fill);
    }
    lineWidthSpin = makeSpinEdit("lineWidthSpin", 1, 20, 1, 1, sheet);
    addLabelledRow(layout, QStringLiteral("Linienstärke:"), lineWidthSpin);
    layout->addStretch(1);
    return sheet;
}

QWidget* AnnotationPage::buildTextSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("textTab"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setSpacing(2);
    enterTextButton = makeButton("enterTextButton", QStringLiteral("Text eingeben..."), sheet);
    fontButton = makeButton("fontButton", QStringLiteral("Schriftart..."), sheet);
    textEffectsButton = makeButton("textEffectsButton", QStringLiteral("Texteffekte..."), sheet);
    textColorButton = makeButton("textColorButton", QStringLiteral("Farbe..."), sheet);
    for (QPushButton* button : {enterTextButton, fontButton, textEffectsButton, textColorButton})
        layout->addWidget(button);
    auto* aligns = new QButtonGroup(sheet);
    alignLeftRadio = makeRadio("alignLeftRadio", QStringLiteral("Linksbündig"), sheet);
    alignCenterRadio = makeRadio("alignCenterRadio", QStringLiteral("Zentriert"), sheet);
    alignRightRadio = makeRadio("alignRightRadio", QStringLiteral("Rechtsbündig"), sheet);
    for (QRadioButton* align : {alignLeftRadio, alignCenterRadio, alignRightRadio}) {
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
    sheet->setObjectName(QStringLiteral("generalTab"));
    auto* layout = new QVBoxLayout(sheet);
    deleteButton = makeButton("deleteButton", QStringLiteral("Löschen..."), sheet);
    toFrontButton = makeButton("toFrontButton", QStringLiteral("Nach vorne"), sheet);
    toBackButton = makeButton("toBackButton", QStringLiteral("Nach hinten"), sheet);
    for (QPushButton* button : {deleteButton, toFrontButton, toBackButton})
        layout->addWidget(button);
    layout->addStretch(1);
    return sheet;
}

void AnnotationPage::resizeToPage() {
    const double perPixel = job_.unitsPerScreenPixel();
    if (perPixel <= 0) return;
    annotationScroll->setPaintBoxSize(units::trunc32(job_.pageWidth() * job_.viewZoom() / perPixel),
                                      units::trunc32(job_.pageHeight() * job_.viewZoom() / perPixel));
}

void AnnotationPage::CheckAllPanelOptions() {
    const AnnotationObject* object = job_.objects().selected();
    if (!object) {
        optionTabs->setTabVisible(optionTabs->indexOf(shapeTab), false);
        optionTabs->setTabVisible(optionTabs->indexOf(textTab), false);
        optionTabs->setTabVisible(optionTabs->indexOf(generalTab), false);
        return;
    }
    optionTabs->setTabVisible(optionTabs->indexOf(generalTab), true);
    if (object->Kind == KindFigure) {
        optionTabs->setTabVisible(optionTabs->indexOf(shapeTab), true);
        optionTabs->setTabVisible(optionTabs->indexOf(textTab), false);
        if (object->Shape >= 0 && object->Shape <= 9) shapeButtons[object->Shape]->setChecked(true);
        const bool line = object->Shape > 5;
        for (QWidget* control :
             {static_cast<QWidget*>(outlineColorButton), static_cast<QWidget*>(filledRadio),
              static_cast<QWidget*>(outlinedRadio), static_cast<QWidget*>(filledOutlinedRadio)})
            control->setEnabled(!line);
        if (!line) {
            if (object->FillMode == 0) filledRadio->setChecked(true);
            if (object->FillMode == 1) outlinedRadio->setChecked(true);
            if (object->FillMode == 2) filledOutlinedRadio->setChecked(true);
        }
        lineWidthSpin->setValue(object->LineWidth);
        optionTabs->setCurrentWidget(shapeTab);
    } else if (object->Kind == KindText) {
        optionTabs->setTabVisible(optionTabs->indexOf(shapeTab), false);
        optionTabs->setTabVisible(optionTabs->indexOf(textTab), true);
        if (object->Align == 0) alignLeftRadio->setChecked(true);
        if (object->Align == 1) alignCenterRadio->setChecked(true);
        if (object->Align == 2) alignRightRadio->setChecked(true);
        optionTabs->setCurrentWidget(textTab);
    }
}
