#pragma once
// The context menu of the "Kommentare" view for the selected object. Which
// items are enabled and marked follows the object's kind, alignment and shape.

#include <QMenu>

#include <array>

class QAction;
class QActionGroup;
class AnnotationObject;

class ObjectMenu : public QMenu {
    Q_OBJECT
  public:
    explicit ObjectMenu(QWidget* parent = nullptr);

    QAction* deleteAction = nullptr;
    QAction* toFrontAction = nullptr;
    QAction* toBackAction = nullptr;
    QAction* colorAction = nullptr;
    QAction* fontAction = nullptr;
    QAction* textEffectsAction = nullptr;
    QAction* alignLeftAction = nullptr;
    QAction* alignCenterAction = nullptr;
    QAction* alignRightAction = nullptr;
    QAction* rotateLeftAction = nullptr;
    QAction* rotateRightAction = nullptr;
    // "&Kreis" .. "Linie schräg runter", indexed by shape code.
    std::array<QAction*, 10> shapeItems{};

    // Enables and marks the items for `object` before the menu pops up.
    void prepareFor(const AnnotationObject& object);

  private:
    QAction* addItem(const char* name, const QString& caption);
    QActionGroup* shapes_ = nullptr;
};
