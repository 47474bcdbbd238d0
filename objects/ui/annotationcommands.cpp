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
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

AnnotationTool AnnotationPage::currentTool() const {
    if (SpeedZoom->isChecked()) return AnnotationTool::Zoom;
    if (SpeedHand->isChecked()) return AnnotationTool::Hand;
    if (SpeedItem1->isChecked()) return AnnotationTool::Figure;
    if (SpeedItem2->isChecked()) return AnnotationTool::Text;
    if (SpeedItem4->isChecked()) return AnnotationTool::Note;
    return AnnotationTool::Pointer;
}

void AnnotationPage::repaintView() {
    // The panel follows the objects even while another page is shown.
    CheckAllPanelOptions();
    editor->PaintBox1Paint();
}

namespace {

QString addStepName(AnnotationTool tool) {
    switch (tool) {
    case AnnotationTool::Text:
        return QStringLiteral("Text einfügen");
    case AnnotationTool::Note:
        return QStringLiteral("Notiz einfügen");
    default:
        return QStringLiteral("Figur einfügen");
    }
}

} // namespace

void AnnotationPage::AddObject(AnnotationTool tool, int x, int y) {
    ObjectEdit edit(job_, addStepName(tool));
    const AddResult result = addObject(job_.objects(), tool, x, y, newTextFont, job_.viewScale());
    if (result == AddResult::TableFull) {
        shell_.dialogs().message(QStringLiteral("Es wurden zuviele Objekte erstellt!"),
                                 QStringLiteral("Fehler: Kein freies Objekt mehr"), MsgButtons::Ok,
                                 MsgIcon::Information);
        return;
    }
    if (result != AddResult::Added) return;
    job_.objectsEdited();
    edit.record();
    SpeedItem3->setChecked(true);
}

void AnnotationPage::Lschen1Click() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Objekt löschen"));
    const MsgAnswer answer =
        shell_.dialogs().message(QStringLiteral("Wollen Sie das Element löschen?"),
                                 QStringLiteral("Element löschen"), MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes) return;
    deleteSelected(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::Nachvorne1Click() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Nach vorne"));
    bringToFront(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::NachHinen1Click() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Nach hinten"));
    sendToBack(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::ShapeClick(int32_t shape) {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Form ändern"));
    setShape(job_.objects(), shape);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::ColorBtnClick() {
    ObjectEdit edit(job_, QStringLiteral("Farbe ändern"));
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    const std::optional<ColorRef> chosen = shell_.dialogs().chooseColor(object->Color);
    if (!chosen) return;
    setColor(job_.objects(), *chosen);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::UColorBtnClick() {
    ObjectEdit edit(job_, QStringLiteral("Umrandungsfarbe ändern"));
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    const std::optional<ColorRef> chosen = shell_.dialogs().chooseColor(object->BorderColor);
    if (!chosen) return;
    setBorderColor(job_.objects(), *chosen);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::FilledCheckClick() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Füllung ändern"));
    setFillMode(job_.objects(), 0);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::BorderCheckClick() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Füllung ändern"));
    setFillMode(job_.objects(), 1);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::FilledBorderCheckClick() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Füllung ändern"));
    setFillMode(job_.objects(), 2);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::LinieEdChange() {
    if (!job_.objects().selected()) return;
    // Each digit typed or arrow step comes here; on the same object they are one step.
    ObjectEdit edit(job_, QStringLiteral("Linienstärke ändern"), MergeLineWidth);
    setLineWidth(job_.objects(), LinieEd->value());
    edit.record();
    PaintBox1->update();
}

void AnnotationPage::AlignClick(int32_t align) {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Ausrichtung ändern"));
    setAlign(job_.objects(), align);
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::rottextrightbtnClick() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Text nach rechts rotieren"));
    rotateRight(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::rottextleftbtnClick() {
    if (!job_.objects().selected()) return;
    ObjectEdit edit(job_, QStringLiteral("Text nach links rotieren"));
    rotateLeft(job_.objects());
    job_.objectsEdited();
    edit.record();
}

void AnnotationPage::connectPanel() {
    for (int code = 0; code < int(shapeButtons.size()); ++code)
        connect(shapeButtons[code], &QRadioButton::clicked, this, [this, code] { ShapeClick(code); });
    connect(ColorBtn, &QPushButton::clicked, this, &AnnotationPage::ColorBtnClick);
    connect(Color2Btn, &QPushButton::clicked, this, &AnnotationPage::ColorBtnClick);
    connect(UColorBtn, &QPushButton::clicked, this, &AnnotationPage::UColorBtnClick);
    connect(FilledCheck, &QRadioButton::clicked, this, &AnnotationPage::FilledCheckClick);
    connect(BorderCheck, &QRadioButton::clicked, this, &AnnotationPage::BorderCheckClick);
    connect(FilledBorderCheck, &QRadioButton::clicked, this, &AnnotationPage::FilledBorderCheckClick);
    connect(LinieEd, &QSpinBox::valueChanged, this, &AnnotationPage::LinieEdChange);
    connect(Leftalign, &QRadioButton::clicked, this, [this] { AlignClick(0); });
    connect(CenterAlign, &QRadioButton::clicked, this, [this] { AlignClick(1); });
    connect(RightAlign, &QRadioButton::clicked, this, [this] { AlignClick(2); });
    connect(rottextrightbtn, &QPushButton::clicked, this, &AnnotationPage::rottextrightbtnClick);
    connect(rottextleftbtn, &QPushButton::clicked, this, &AnnotationPage::rottextleftbtnClick);
    connect(Del1Btn, &QPushButton::clicked, this, &AnnotationPage::Lschen1Click);
    connect(Front1Btn, &QPushButton::clicked, this, &AnnotationPage::Nachvorne1Click);
    connect(Back1Btn, &QPushButton::clicked, this, &AnnotationPage::NachHinen1Click);
}
