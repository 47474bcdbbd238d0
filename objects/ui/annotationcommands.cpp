// The commands of the "Kommentare" page: thin handlers that ask the user where
// needed, change the table through the object operations and repaint.

#include "document/coverjob.h"
#include "document/objectstep.h"
#include "objects/ui/annotationeditor.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "widgets/dialogs.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

AnnotationTool AnnotationPage::currentTool() const {
    if (magnifierTool->isChecked()) return AnnotationTool::Zoom;
    if (handTool->isChecked()) return AnnotationTool::Hand;
    if (shapeTool->isChecked()) return AnnotationTool::Figure;
    if (textTool->isChecked()) return AnnotationTool::Text;
    if (noteTool->isChecked()) return AnnotationTool::Note;
    return AnnotationTool::Pointer;
}

void AnnotationPage::repaintView() {
    // The panel follows the objects even while another page is shown.
    CheckAllPanelOptions();
    editor->recomposeView();
}

namespace {

QString addStepName(AnnotationTool tool) {
    switch (tool) {
    case AnnotationTool::Text:
        return QCoreApplication::translate("AnnotationPage", "Text einfügen");
    case AnnotationTool::Note:
        return QCoreApplication::translate("AnnotationPage", "Notiz einfügen");
    default:
        return QCoreApplication::translate("AnnotationPage", "Figur einfügen");
    }
}

} // namespace

void AnnotationPage::AddObject(AnnotationTool tool, int x, int y) {
    ObjectEdit edit(job_, addStepName(tool));
    const AddResult result = addObject(job_.objects(), tool, x, y, newTextFont, job_.viewScale());
    if (result == AddResult::TableFull) {
        shell_.dialogs().message(tr("Es wurden zuviele Objekte erstellt!"),
                                 tr("Fehler: Kein freies Objekt mehr"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (result != AddResult::Added) return;
    job_.objectsEdited();
    edit.record();
    pointerTool->setChecked(true);
}

void AnnotationPage::deleteObject() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Objekt löschen"));
    const MsgAnswer answer = shell_.dialogs().message(
        tr("Wollen Sie das Element löschen?"), tr("Element löschen"), MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes) return;
    deleteSelected(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::bringToFront() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Nach vorne"));
    ::bringToFront(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::sendToBack() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Nach hinten"));
    ::sendToBack(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseShape(int32_t shape) {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Form ändern"));
    setShape(job_.objects(), shape);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseColor() {
    ObjectEdit edit(job_, tr("Farbe ändern"));
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    const std::optional<ColorRef> chosen = shell_.dialogs().chooseColor(object->Color);
    if (!chosen) return;
    setColor(job_.objects(), *chosen);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseOutlineColor() {
    ObjectEdit edit(job_, tr("Umrandungsfarbe ändern"));
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    const std::optional<ColorRef> chosen = shell_.dialogs().chooseColor(object->BorderColor);
    if (!chosen) return;
    setBorderColor(job_.objects(), *chosen);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseFilled() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Füllung ändern"));
    setFillMode(job_.objects(), 0);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseOutlined() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Füllung ändern"));
    setFillMode(job_.objects(), 1);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::chooseFilledOutlined() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Füllung ändern"));
    setFillMode(job_.objects(), 2);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::lineWidthChanged() {
    if (!job_.objects().selected()) return;
    // Each digit typed or arrow step comes here; on the same object they are one step.
    ObjectEdit edit(job_, tr("Linienstärke ändern"), MergeLineWidth);
    setLineWidth(job_.objects(), lineWidthSpin->value());
    edit.record();
    annotationView->update();
}

void AnnotationPage::chooseAlignment(int32_t align) {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Ausrichtung ändern"));
    setAlign(job_.objects(), align);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::rotateTextRight() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Text nach rechts rotieren"));
    rotateRight(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::rotateTextLeft() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, tr("Text nach links rotieren"));
    rotateLeft(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::connectPanel() {
    for (int code = 0; code < int(shapeButtons.size()); ++code)
        connect(shapeButtons[code], &QRadioButton::clicked, this, [this, code] { chooseShape(code); });
    connect(colorButton, &QPushButton::clicked, this, &AnnotationPage::chooseColor);
    connect(textColorButton, &QPushButton::clicked, this, &AnnotationPage::chooseColor);
    connect(outlineColorButton, &QPushButton::clicked, this, &AnnotationPage::chooseOutlineColor);
    connect(filledRadio, &QRadioButton::clicked, this, &AnnotationPage::chooseFilled);
    connect(outlinedRadio, &QRadioButton::clicked, this, &AnnotationPage::chooseOutlined);
    connect(filledOutlinedRadio, &QRadioButton::clicked, this, &AnnotationPage::chooseFilledOutlined);
    connect(lineWidthSpin, &QSpinBox::valueChanged, this, &AnnotationPage::lineWidthChanged);
    connect(alignLeftRadio, &QRadioButton::clicked, this, [this] { chooseAlignment(0); });
    connect(alignCenterRadio, &QRadioButton::clicked, this, [this] { chooseAlignment(1); });
    connect(alignRightRadio, &QRadioButton::clicked, this, [this] { chooseAlignment(2); });
    connect(rottextrightbtn, &QPushButton::clicked, this, &AnnotationPage::rotateTextRight);
    connect(rottextleftbtn, &QPushButton::clicked, this, &AnnotationPage::rotateTextLeft);
    connect(deleteButton, &QPushButton::clicked, this, &AnnotationPage::deleteObject);
    connect(toFrontButton, &QPushButton::clicked, this, &AnnotationPage::bringToFront);
    connect(toBackButton, &QPushButton::clicked, this, &AnnotationPage::sendToBack);
}
