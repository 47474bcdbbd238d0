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
    : PageFrame(tr("Kommentare - Hier können Sie Text-Objekte oder einfache Grafik-Objekte hinzufügen"),
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
    optionTabs->addTab(shapeTab, tr("Figur"));
    optionTabs->addTab(textTab, tr("Text"));
    optionTabs->addTab(generalTab, tr("Allgemein"));
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
    pointerTool = addTool("pointerTool", tr("Zeiger"), tr("Verändert Objekte"));
    magnifierTool = addTool("magnifierTool", tr("Lupe"), tr("Vergrößert oder Verkleinert"));
    handTool = addTool("handTool", tr("Hand"), tr("Verschiebt den sichtbaren Ausschnitt"));
    shapeTool = addTool("shapeTool", tr("Figur"), tr("Fügt eine geometrische Figur ein"));
    textTool = addTool("textTool", tr("Text"),
                       tr("Fügt Text ein - auf das Textfeld doppelklicken um Text einzugeben"));
    noteTool = addTool("noteTool", tr("Notiz"), QString());
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
    const QStringList captions = {tr("Kreis"),
                                  tr("Ellipse"),
                                  tr("Quadrat"),
                                  tr("Rechteck"),
                                  tr("Quadrat abgerundet"),
                                  tr("Rechteck abgerundet"),
                                  tr("Linie horizontal"),
                                  tr("Linie vertikal"),
                                  tr("Linie schräg hoch"),
                                  tr("Linie schräg runter")};
    auto* shapes = new QButtonGroup(sheet);
    for (int i = 0; i < 10; ++i) {
        shapeButtons[i] = makeRadio(names[i], captions[i], sheet);
        shapes->addButton(shapeButtons[i], i);
        layout->addWidget(shapeButtons[i]);
    }
    colorButton = makeButton("colorButton", tr("Farbe..."), sheet);
    outlineColorButton = makeButton("outlineColorButton", tr("Umrandungsfarbe..."), sheet);
    layout->addWidget(colorButton);
    layout->addWidget(outlineColorButton);
    auto* fills = new QButtonGroup(sheet);
    filledRadio = makeRadio("filledRadio", tr("Ausgefüllt"), sheet);
    outlinedRadio = makeRadio("outlinedRadio", tr("Nur Umrandung"), sheet);
    filledOutlinedRadio = makeRadio("filledOutlinedRadio", tr("Gefüllt und Umrandung"), sheet);
    for (QRadioButton* fill : {filledRadio, outlinedRadio, filledOutlinedRadio}) {
        fills->addButton(fill);
        layout->addWidget(fill);
    }
    lineWidthSpin = makeSpinEdit("lineWidthSpin", 1, 20, 1, 1, sheet);
    addLabelledRow(layout, tr("Linienstärke:"), lineWidthSpin);
    layout->addStretch(1);
    return sheet;
}

QWidget* AnnotationPage::buildTextSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("textTab"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setSpacing(2);
    enterTextButton = makeButton("enterTextButton", tr("Text eingeben..."), sheet);
    fontButton = makeButton("fontButton", tr("Schriftart..."), sheet);
    textEffectsButton = makeButton("textEffectsButton", tr("Texteffekte..."), sheet);
    textColorButton = makeButton("textColorButton", tr("Farbe..."), sheet);
    for (QPushButton* button : {enterTextButton, fontButton, textEffectsButton, textColorButton})
        layout->addWidget(button);
    auto* aligns = new QButtonGroup(sheet);
    alignLeftRadio = makeRadio("alignLeftRadio", tr("Linksbündig"), sheet);
    alignCenterRadio = makeRadio("alignCenterRadio", tr("Zentriert"), sheet);
    alignRightRadio = makeRadio("alignRightRadio", tr("Rechtsbündig"), sheet);
    for (QRadioButton* align : {alignLeftRadio, alignCenterRadio, alignRightRadio}) {
        aligns->addButton(align);
        layout->addWidget(align);
    }
    rottextleftbtn = makeButton("rottextleftbtn", tr("Nach links rotieren"), sheet);
    rottextrightbtn = makeButton("rottextrightbtn", tr("Nach rechts rotieren"), sheet);
    layout->addWidget(rottextleftbtn);
    layout->addWidget(rottextrightbtn);
    layout->addStretch(1);
    return sheet;
}

QWidget* AnnotationPage::buildAllgemeinSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("generalTab"));
    auto* layout = new QVBoxLayout(sheet);
    deleteButton = makeButton("deleteButton", tr("Löschen..."), sheet);
    toFrontButton = makeButton("toFrontButton", tr("Nach vorne"), sheet);
    toBackButton = makeButton("toBackButton", tr("Nach hinten"), sheet);
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
