// The mouse on the "Kommentare" view: presses, moves and releases by tool and
// by the mouse action (idle, dragging the selected object, panning).

#include "objects/ui/annotationeditor.h"

#include "document/coverjob.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "objects/ui/objectmenu.h"
#include "widgets/scrollbox.h"

#include <QLineEdit>
#include <QScrollBar>

void AnnotationEditor::connectMouse() {
    page_.annotationView->setEditor(this);
    page_.annotationScroll->viewport()->installEventFilter(this);
}

void AnnotationEditor::showCursor(int cursor) {
    if (cursor == shownCursor) return;
    shownCursor = cursor;
    page_.annotationView->setCursor(page_.screenCursors[cursor]);
}

void AnnotationEditor::setdragmod(int x, int y) {
    const DragHit hit = ::setdragmod(page_.currentTool(), job_.objects().selected(), x, y, job_.viewScale());
    dragHandle = hit.handle;
    GrabX = hit.GrabX;
    GrabY = hit.GrabY;
    showCursor(hit.cursor);
}

void AnnotationEditor::dragit(int x, int y) {
    AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    // Units truncate to pixels and pixels back to units, which loses up to a
    // pixel each way: a click without a move would creep the object up and left.
    if (!dragMoved_ && QPoint(x, y) == dragStart_) return;
    dragMoved_ = true;
    dragHandle = ::dragit(*object, dragHandle, x, y, GrabX, GrabY, viewScale());
}

bool AnnotationEditor::selectObjectAt(int x, int y) {
    const int slot = objectAt(job_.objects(), x, y, job_.viewScale());
    if (slot == 0) return false;
    if (slot != job_.objects().currentObject) {
        job_.objects().currentObject = slot;
        job_.objectsEdited();
    }
    return true;
}

void AnnotationEditor::mousePressed(Qt::MouseButton button, int x, int y) {
    page_.keyCatcher->setFocus();
    const AnnotationTool tool = page_.currentTool();
    if (button == Qt::LeftButton) {
        if (tool == AnnotationTool::Hand) {
            panAnchor = QPoint(x, y);
            mouseAction = MouseAction::Panning;
        } else if (tool == AnnotationTool::Zoom) {
            zoomStep(true, x, y);
        } else if (tool == AnnotationTool::Pointer) {
            if (swallowPress) {
                swallowPress = false;
                return;
            }
            setdragmod(x, y);
            if (dragHandle != DragHandle::None) {
                beginDragStep();
                mouseAction = MouseAction::Dragging;
                dragStart_ = QPoint(x, y);
                dragMoved_ = false;
                recomposeView();
            } else if (!selectObjectAt(x, y)) {
                job_.objects().currentObject = 0;
                job_.objectsEdited();
            }
        }
    } else if (button == Qt::RightButton) {
        if (tool == AnnotationTool::Zoom) {
            zoomStep(false, x, y);
            return;
        }
        // A menu in the middle of a drag or pan would leave it without its release.
        if (mouseAction != MouseAction::Idle) return;
        const DragHandle remembered = dragHandle;
        setdragmod(x, y);
        if (dragHandle != DragHandle::None || selectObjectAt(x, y)) PopItUp(x, y);
        dragHandle = remembered;
    }
}

void AnnotationEditor::mouseMoved(int x, int y) {
    switch (mouseAction) {
    case MouseAction::Panning:
        Drag2Hand(x, y);
        break;
    case MouseAction::Dragging:
        dragit(x, y);
        page_.annotationView->update();
        break;
    default:
        setdragmod(x, y);
        break;
    }
}

void AnnotationEditor::mouseReleased(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    switch (mouseAction) {
    case MouseAction::Panning:
        Drag2Hand(x, y);
        mouseAction = MouseAction::Idle;
        break;
    case MouseAction::Dragging:
        dragit(x, y);
        mouseAction = MouseAction::Idle;
        job_.objectsEdited();
        endDragStep();
        break;
    default:
        page_.AddObject(page_.currentTool(), x, y);
        break;
    }
}

void AnnotationEditor::beginDragStep() {
    const QString name = dragHandle == DragHandle::Body ? tr("Verschieben") : tr("Größe ändern");
    dragEdit_.emplace(job_, name);
}

void AnnotationEditor::endDragStep() {
    if (!dragEdit_) return;
    dragEdit_->record();
    dragEdit_.reset();
}

void AnnotationEditor::mouseDoubleClicked() {
    const AnnotationObject* object = job_.objects().selected();
    if (page_.currentTool() != AnnotationTool::Pointer || !object || object->Kind != KindText) return;
    // The first press of the double-click may have started a drag; it ends
    // where it began, before the dialog takes the mouse.
    if (mouseAction == MouseAction::Dragging) {
        mouseAction = MouseAction::Idle;
        recomposeView();
        endDragStep();
    }
    swallowPress = true;
    enterText();
}

void AnnotationEditor::Drag2Hand(int x, int y) {
    ScrollBox& box = *page_.annotationScroll;
    const int h = clampScroll(box.horizontalPosition() + panAnchor.x() - x, page_.annotationView->width());
    const int v = clampScroll(box.verticalPosition() + panAnchor.y() - y, page_.annotationView->height());
    box.setHorizontalPosition(h);
    box.setVerticalPosition(v);
}

void AnnotationEditor::zoomStep(bool zoomIn, int x, int y) {
    const double zoom = job_.viewZoom();
    const int64_t cx = units::trunc32(x * job_.unitsPerScreenPixel() / zoom);
    const int64_t cy = units::trunc32(y * job_.unitsPerScreenPixel() / zoom);
    const double oldPerPixel = job_.unitsPerScreenPixel();
    const double perPixel = zoomIn ? zoomedIn(oldPerPixel) : zoomedOut(oldPerPixel);

    zoomInProgress = true;
    // The page sizes the view to the new scale.
    job_.setViewScales(zoom, perPixel);
    ScrollBox& box = *page_.annotationScroll;
    const int sx =
        clampScroll(units::trunc32(cx * zoom / perPixel) - box.width() / 2, page_.annotationView->width());
    const int sy =
        clampScroll(units::trunc32(cy * zoom / perPixel) - box.height() / 2, page_.annotationView->height());
    box.setHorizontalPosition(sx);
    box.setVerticalPosition(sy);
    zoomInProgress = false;
    recomposeView();
}

void AnnotationEditor::PopItUp(int x, int y) {
    const AnnotationObject* object = job_.objects().selected();
    if (!object) return;
    objectMenu->prepareFor(*object);
    objectMenu->popup(page_.annotationView->mapToGlobal(QPoint(x, y)));
}
