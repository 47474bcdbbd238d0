#include "objects/ui/objectmenu.h"

#include "document/annotationobject.h"

#include <QActionGroup>

ObjectMenu::ObjectMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("ObjectMenu"));
    deleteAction = addItem("deleteAction", QStringLiteral("&Löschen..."));
    deleteAction->setShortcut(QKeySequence(Qt::Key_Delete));
    addSeparator();
    toFrontAction = addItem("toFrontAction", QStringLiteral("Nach &vorne"));
    toBackAction = addItem("toBackAction", QStringLiteral("Nach &hinten"));
    addSeparator();
    colorAction = addItem("colorAction", QStringLiteral("&Farbe..."));
    fontAction = addItem("fontAction", QStringLiteral("&Schriftart..."));
    textEffectsAction = addItem("textEffectsAction", QStringLiteral("&Texteffekte..."));
    addSeparator();
    alignLeftAction = addItem("alignLeftAction", QStringLiteral("Linksbündig"));
    alignCenterAction = addItem("alignCenterAction", QStringLiteral("Zentriert"));
    alignRightAction = addItem("alignRightAction", QStringLiteral("Rechtsbündig"));
    for (QAction* align : {alignLeftAction, alignCenterAction, alignRightAction})
        align->setCheckable(true);
    addSeparator();
    rotateLeftAction = addItem("rotateLeftAction", QStringLiteral("Nach links rotieren"));
    rotateRightAction = addItem("rotateRightAction", QStringLiteral("Nach rechts rotieren"));
    addSeparator();

    static const char* const names[10] = {
        "KreisM", "EllipseM",         "QuadratM",       "RechteckM",       "Rund1M",
        "Rund2M", "Liniehorizontal1", "Linievertikal1", "Linieschrghoch1", "Linieschrgrunter1"};
    const QStringList captions = {QStringLiteral("&Kreis"),
                                  QStringLiteral("&Ellipse"),
                                  QStringLiteral("&Quadrat"),
                                  QStringLiteral("&Rechteck"),
                                  QStringLiteral("&Quadrat &abgerundet"),
                                  QStringLiteral("Rechteck a&bgerundet"),
                                  QStringLiteral("Linie &horizontal"),
                                  QStringLiteral("Linie &vertikal"),
                                  QStringLiteral("Linie schräg hoch"),
                                  QStringLiteral("Linie schräg runter")};
    shapes_ = new QActionGroup(this);
    shapes_->setExclusive(true);
    for (int code = 0; code < 10; ++code) {
        shapeItems[code] = addItem(names[code], captions[code]);
        shapeItems[code]->setCheckable(true);
        shapes_->addAction(shapeItems[code]);
    }
}

QAction* ObjectMenu::addItem(const char* name, const QString& caption) {
    QAction* item = addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

void ObjectMenu::prepareFor(const AnnotationObject& object) {
    const bool text = object.Kind == KindText;
    colorAction->setEnabled(true);
    for (QAction* item : {fontAction, textEffectsAction, alignLeftAction, alignCenterAction, alignRightAction,
                          rotateLeftAction, rotateRightAction})
        item->setEnabled(text);
    if (text) {
        alignLeftAction->setChecked(object.Align == 0);
        alignCenterAction->setChecked(object.Align == 1);
        alignRightAction->setChecked(object.Align == 2);
    }
    for (QAction* item : shapeItems)
        item->setEnabled(!text);
    // For a text the mark shows Framed on a disabled item, as the shape field holds it.
    if (object.Shape >= 0 && object.Shape < int(shapeItems.size()))
        shapeItems[object.Shape]->setChecked(true);
}
