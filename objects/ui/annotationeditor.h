#pragma once
// The editing of objects on the "Kommentare" view: composing the picture, the
// mouse and keyboard state machine, the context menu and the text dialogs.
// The arithmetic lives in annotationview.h; this class reads the mouse, keeps
// the view state and repaints.

#include "document/objectstep.h"
#include "objects/annotationview.h"

#include <QObject>
#include <QPoint>

#include <optional>

class AnnotationPage;
class ObjectMenu;
class QMouseEvent;
class TextEffectsDialog;
class CoverJob;
class Shell;
class TextDialog;

class AnnotationEditor : public QObject {
    Q_OBJECT
  public:
    AnnotationEditor(CoverJob& job, Shell& shell, AnnotationPage& page);

    ObjectMenu* objectMenu = nullptr;
    TextDialog* textDialog = nullptr;
    TextEffectsDialog* textEffectsDialog = nullptr;

    // --- view state ---------------------------------------------------------------
    MouseAction mouseAction = MouseAction::Idle;
    // What of the selected object the mouse holds or is over.
    DragHandle dragHandle = DragHandle::None;
    int32_t GrabX = 0, GrabY = 0;
    QPoint panAnchor;
    bool zoomInProgress = false;
    // Set by the double-click that opens the text editor: the press delivered
    // with the double-click must not start a drag.
    bool swallowPress = false;
    int shownCursor = 0;

    // Composes the view afresh and shows it.
    void recomposeView();

    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);
    void mouseDoubleClicked();
    void scrollAreaPressed();
    void keyPressed(int key);

    void setdragmod(int x, int y);
    void dragit(int x, int y);
    void Drag2Hand(int x, int y);
    void PopItUp(int x, int y);
    // The magnifier: one step in or out, the clicked point brought to the middle.
    void zoomStep(bool zoomIn, int x, int y);

    // --- text objects -----------------------------------------------------------
    void enterText();
    void chooseFont();
    void editTextEffects();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectMouse();
    void connectCommands();
    void showCursor(int cursor);
    // Selects the topmost object under the mouse; false when there is none.
    bool selectObjectAt(int x, int y);
    ViewScale viewScale() const;

    CoverJob& job_;
    Shell& shell_;
    AnnotationPage& page_;
    // Where the drag began, and whether the mouse has left that spot since.
    QPoint dragStart_;
    bool dragMoved_ = false;
    // The objects as they were when the drag began: the drag is one step.
    std::optional<ObjectEdit> dragEdit_;
    void beginDragStep();
    void endDragStep();
};
