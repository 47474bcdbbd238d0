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

    QAction* Lschen1 = nullptr;
    QAction* Nachvorne1 = nullptr;
    QAction* NachHinen1 = nullptr;
    QAction* FarbeM = nullptr;
    QAction* SchriftartM = nullptr;
    QAction* Texteffekte1 = nullptr;
    QAction* Linksbnig1 = nullptr;
    QAction* Zentriert1 = nullptr;
    QAction* Rechtsbndig1 = nullptr;
    QAction* Nachlinksrotieren1 = nullptr;
    QAction* Nachrechtsrotieren1 = nullptr;
    // "&Kreis" .. "Linie schräg runter", indexed by shape code.
    std::array<QAction*, 10> shapeItems{};

    // Enables and marks the items for `object` before the menu pops up.
    void prepareFor(const AnnotationObject& object);

  private:
    QAction* addItem(const char* name, const QString& caption);
    QActionGroup* shapes_ = nullptr;
};
