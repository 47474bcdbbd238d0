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
    objectMenu = new ObjectMenu(page.annotationView);
    addHistoryEntries(*objectMenu, job.history().stack());
    textDialog = new TextDialog(&page);
    textEffectsDialog = new TextEffectsDialog(shell.dialogs(), &page);
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
    connect(menu.deleteAction, &QAction::triggered, page, &AnnotationPage::deleteObject);
    connect(menu.toFrontAction, &QAction::triggered, page, &AnnotationPage::bringToFront);
    connect(menu.toBackAction, &QAction::triggered, page, &AnnotationPage::sendToBack);
    connect(menu.colorAction, &QAction::triggered, page, &AnnotationPage::chooseColor);
    connect(menu.fontAction, &QAction::triggered, this, &AnnotationEditor::chooseFont);
    connect(menu.textEffectsAction, &QAction::triggered, this, &AnnotationEditor::editTextEffects);
    connect(menu.alignLeftAction, &QAction::triggered, page, [page] { page->chooseAlignment(0); });
    connect(menu.alignCenterAction, &QAction::triggered, page, [page] { page->chooseAlignment(1); });
    connect(menu.alignRightAction, &QAction::triggered, page, [page] { page->chooseAlignment(2); });
    connect(menu.rotateLeftAction, &QAction::triggered, page, &AnnotationPage::rotateTextLeft);
    connect(menu.rotateRightAction, &QAction::triggered, page, &AnnotationPage::rotateTextRight);
    for (int code = 0; code < int(menu.shapeItems.size()); ++code)
        connect(menu.shapeItems[code], &QAction::triggered, page, [page, code] { page->chooseShape(code); });

    connect(page_.enterTextButton, &QPushButton::clicked, this, &AnnotationEditor::enterText);
    connect(page_.fontButton, &QPushButton::clicked, this, &AnnotationEditor::chooseFont);
    connect(page_.textEffectsButton, &QPushButton::clicked, this, &AnnotationEditor::editTextEffects);
    page_.keyCatcher->installEventFilter(this);
}

ViewScale AnnotationEditor::viewScale() const {
    return ViewScale{job_.unitsPerScreenPixel(), job_.viewZoom(), page_.annotationView->width(),
                     page_.annotationView->height()};
}

// --- painting ---------------------------------------------------------------

void AnnotationEditor::recomposeView() {
    page_.annotationView->recompose();
}

// --- keyboard ---------------------------------------------------------------

bool AnnotationEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_.keyCatcher && event->type() == QEvent::KeyPress)
        keyPressed(static_cast<QKeyEvent*>(event)->key());
    else if (watched == page_.annotationScroll->viewport() && event->type() == QEvent::MouseButtonPress)
        scrollAreaPressed();
    return false; // the key or press goes on unchanged
}

void AnnotationEditor::keyPressed(int key) {
    if (key == Qt::Key_Delete) {
        page_.deleteObject();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        ObjectTable& table = job_.objects();
        if (table.currentObject <= 0) return;
        table.currentObject = nextUsedSlot(table, table.currentObject);
        job_.objectsEdited();
    }
}

void AnnotationEditor::scrollAreaPressed() {
    page_.keyCatcher->setFocus();
}

// --- text objects -----------------------------------------------------------

void AnnotationEditor::enterText() {
    AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    textDialog->setLines(textLines(object->Text));
    if (shell_.dialogs().runModal(*textDialog) != QDialog::Accepted) return;
    ObjectEdit edit(job_, tr("Text ändern"));
    object->Text = joinTextLines(textDialog->lines());
    job_.objectsEdited();
    edit.record();
}

void AnnotationEditor::chooseFont() {
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
    ObjectEdit edit(job_, tr("Schriftart ändern"));
    if (AnnotationObject* still = job_.objects().selected()) applyDialogFont(*still, dialogFont);
    job_.objectsEdited();
    edit.record();
}

void AnnotationEditor::editTextEffects() {
    AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    textEffectsDialog->prime(textEffectsOf(*object));
    if (shell_.dialogs().runModal(*textEffectsDialog) != QDialog::Accepted) return;
    ObjectEdit edit(job_, tr("Texteffekte ändern"));
    applyTextEffects(*object, textEffectsDialog->effects());
    job_.objectsEdited();
    edit.record();
}
