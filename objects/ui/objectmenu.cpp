#include "objects/ui/objectmenu.h"

#include "document/annotationobject.h"

#include <QActionGroup>

ObjectMenu::ObjectMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("ObjectMenu"));
    deleteAction = addItem("deleteAction", tr("&Löschen..."));
    deleteAction->setShortcut(QKeySequence(Qt::Key_Delete));
    addSeparator();
    toFrontAction = addItem("toFrontAction", tr("Nach &vorne"));
    toBackAction = addItem("toBackAction", tr("Nach &hinten"));
    addSeparator();
    colorAction = addItem("colorAction", tr("&Farbe..."));
    fontAction = addItem("fontAction", tr("&Schriftart..."));
    textEffectsAction = addItem("textEffectsAction", tr("&Texteffekte..."));
    addSeparator();
    alignLeftAction = addItem("alignLeftAction", tr("Linksbündig"));
    alignCenterAction = addItem("alignCenterAction", tr("Zentriert"));
    alignRightAction = addItem("alignRightAction", tr("Rechtsbündig"));
    for (QAction* align : {alignLeftAction, alignCenterAction, alignRightAction})
        align->setCheckable(true);
    addSeparator();
    rotateLeftAction = addItem("rotateLeftAction", tr("Nach links rotieren"));
    rotateRightAction = addItem("rotateRightAction", tr("Nach rechts rotieren"));
    addSeparator();

    static const char* const names[10] = {
        "KreisM", "EllipseM",         "QuadratM",       "RechteckM",       "Rund1M",
        "Rund2M", "Liniehorizontal1", "Linievertikal1", "Linieschrghoch1", "Linieschrgrunter1"};
    const QStringList captions = {tr("&Kreis"),
                                  tr("&Ellipse"),
                                  tr("&Quadrat"),
                                  tr("&Rechteck"),
                                  tr("&Quadrat &abgerundet"),
                                  tr("Rechteck a&bgerundet"),
                                  tr("Linie &horizontal"),
                                  tr("Linie &vertikal"),
                                  tr("Linie schräg hoch"),
                                  tr("Linie schräg runter")};
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
