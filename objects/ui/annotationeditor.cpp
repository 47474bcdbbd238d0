#include "objects/ui/annotationeditor.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"
#include "document/objectstep.h"
#include "objects/textobject.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "objects/ui/objectmenu.h"
#include "objects/ui/textdialog.h"
#include "objects/ui/texteffectsdialog.h"
#include "widgets/dialogs.h"
#include "widgets/historyentries.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

AnnotationEditor::AnnotationEditor(CoverJob& job, Shell& shell, AnnotationPage& page)
    : QObject(&page), job_(job), shell_(shell), page_(page) {
    objectMenu = new ObjectMenu(page.PaintBox1);
    addHistoryEntries(*objectMenu, job.history().stack());
    TxtForm = new TextDialog(&page);
    EffektForm = new TextEffectsDialog(shell.dialogs(), &page);
    connectMouse();
    connectCommands();
    // A new or opened job ends whatever the mouse was doing with the old objects.
    connect(&job_, &CoverJob::objectsCleared, this, [this] {
        dragHandle = DragHandle::None;
        mouseAction = MouseAction::Idle;
        dragEdit_.reset();
    });
}

void AnnotationEditor::connectCommands() {
    ObjectMenu& menu = *objectMenu;
    AnnotationPage* page = &page_;
    connect(menu.Lschen1, &QAction::triggered, page, &AnnotationPage::Lschen1Click);
    connect(menu.Nachvorne1, &QAction::triggered, page, &AnnotationPage::Nachvorne1Click);
    connect(menu.NachHinen1, &QAction::triggered, page, &AnnotationPage::NachHinen1Click);
    connect(menu.FarbeM, &QAction::triggered, page, &AnnotationPage::ColorBtnClick);
    connect(menu.SchriftartM, &QAction::triggered, this, &AnnotationEditor::FontBtnClick);
    connect(menu.Texteffekte1, &QAction::triggered, this, &AnnotationEditor::TextFXBtnClick);
    connect(menu.Linksbnig1, &QAction::triggered, page, [page] { page->AlignClick(0); });
    connect(menu.Zentriert1, &QAction::triggered, page, [page] { page->AlignClick(1); });
    connect(menu.Rechtsbndig1, &QAction::triggered, page, [page] { page->AlignClick(2); });
    connect(menu.Nachlinksrotieren1, &QAction::triggered, page, &AnnotationPage::rottextleftbtnClick);
    connect(menu.Nachrechtsrotieren1, &QAction::triggered, page, &AnnotationPage::rottextrightbtnClick);
    for (int code = 0; code < int(menu.shapeItems.size()); ++code)
        connect(menu.shapeItems[code], &QAction::triggered, page, [page, code] { page->ShapeClick(code); });

    connect(page_.EnterTextBtn, &QPushButton::clicked, this, &AnnotationEditor::EnterTextBtnClick);
    connect(page_.FontBtn, &QPushButton::clicked, this, &AnnotationEditor::FontBtnClick);
    connect(page_.TextFXBtn, &QPushButton::clicked, this, &AnnotationEditor::TextFXBtnClick);
    page_.KeyEdit->installEventFilter(this);
}

ViewScale AnnotationEditor::viewScale() const {
    return ViewScale{job_.unitsPerScreenPixel(), job_.viewZoom(), page_.PaintBox1->width(),
                     page_.PaintBox1->height()};
}

// --- painting ---------------------------------------------------------------

void AnnotationEditor::PaintBox1Paint() {
    page_.PaintBox1->recompose();
}

// --- keyboard ---------------------------------------------------------------

bool AnnotationEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_.KeyEdit && event->type() == QEvent::KeyPress)
        KeyEditKeyDown(static_cast<QKeyEvent*>(event)->key());
    else if (watched == page_.ScrollBox1->viewport() && event->type() == QEvent::MouseButtonPress)
        ScrollBox1MouseDown();
    return false; // the key or press goes on unchanged
}

void AnnotationEditor::KeyEditKeyDown(int key) {
    if (key == Qt::Key_Delete) {
        page_.Lschen1Click();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        ObjectTable& table = job_.objects();
        if (table.CurObj <= 0) return;
        table.CurObj = nextUsedSlot(table, table.CurObj);
        job_.objectsEdited();
    }
}

void AnnotationEditor::ScrollBox1MouseDown() {
    page_.KeyEdit->setFocus();
}

// --- text objects -----------------------------------------------------------

void AnnotationEditor::EnterTextBtnClick() {
    AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    TxtForm->setLines(textLines(object->Text));
    if (shell_.dialogs().runModal(*TxtForm) != QDialog::Accepted) return;
    ObjectEdit edit(job_, QStringLiteral("Text ändern"));
    object->Text = joinTextLines(TxtForm->lines());
    job_.objectsEdited();
    edit.record();
}

void AnnotationEditor::FontBtnClick() {
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    const int dpi = shell_.screen().logicalDpiX;
    // The dialog keeps the primed font even when cancelled; it is the font new
    // text objects start with.
    DialogFont& dialogFont = page_.newTextFont;
    dialogFont = dialogFontOf(*object);
    // The size is set last and decides the height.
    if (dialogFont.size > 0) dialogFont.height = -int32_t(std::lround(dialogFont.size * dpi / 72.0));
    const std::optional<FontChoice> chosen =
        shell_.dialogs().chooseFont(FontChoice{fontShownInDialog(dialogFont), dialogFont.color});
    if (!chosen) return;
    dialogFont = dialogFontChosen(dialogFont, chosen->font, chosen->color, dpi);
    ObjectEdit edit(job_, QStringLiteral("Schriftart ändern"));
    if (AnnotationObject* still = job_.objects().selected()) applyDialogFont(*still, dialogFont);
    job_.objectsEdited();
    edit.record();
}

void AnnotationEditor::TextFXBtnClick() {
    AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    EffektForm->prime(textEffectsOf(*object));
    if (shell_.dialogs().runModal(*EffektForm) != QDialog::Accepted) return;
    ObjectEdit edit(job_, QStringLiteral("Texteffekte ändern"));
    applyTextEffects(*object, EffektForm->effects());
    job_.objectsEdited();
    edit.record();
}
