#include "objects/ui/objectmenu.h"

#include "document/annotationobject.h"

#include <QActionGroup>

ObjectMenu::ObjectMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("ObjectMenu"));
    Lschen1 = addItem("Lschen1", QStringLiteral("&Löschen..."));
    Lschen1->setShortcut(QKeySequence(Qt::Key_Delete));
    addSeparator();
    Nachvorne1 = addItem("Nachvorne1", QStringLiteral("Nach &vorne"));
    NachHinen1 = addItem("NachHinen1", QStringLiteral("Nach &hinten"));
    addSeparator();
    FarbeM = addItem("FarbeM", QStringLiteral("&Farbe..."));
    SchriftartM = addItem("SchriftartM", QStringLiteral("&Schriftart..."));
    Texteffekte1 = addItem("Texteffekte1", QStringLiteral("&Texteffekte..."));
    addSeparator();
    Linksbnig1 = addItem("Linksbnig1", QStringLiteral("Linksbündig"));
    Zentriert1 = addItem("Zentriert1", QStringLiteral("Zentriert"));
    Rechtsbndig1 = addItem("Rechtsbndig1", QStringLiteral("Rechtsbündig"));
    for (QAction* align : {Linksbnig1, Zentriert1, Rechtsbndig1})
        align->setCheckable(true);
    addSeparator();
    Nachlinksrotieren1 = addItem("Nachlinksrotieren1", QStringLiteral("Nach links rotieren"));
    Nachrechtsrotieren1 = addItem("Nachrechtsrotieren1", QStringLiteral("Nach rechts rotieren"));
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
    FarbeM->setEnabled(true);
    for (QAction* item : {SchriftartM, Texteffekte1, Linksbnig1, Zentriert1, Rechtsbndig1, Nachlinksrotieren1,
                          Nachrechtsrotieren1})
        item->setEnabled(text);
    if (text) {
        Linksbnig1->setChecked(object.Align == 0);
        Zentriert1->setChecked(object.Align == 1);
        Rechtsbndig1->setChecked(object.Align == 2);
    }
    for (QAction* item : shapeItems)
        item->setEnabled(!text);
    // For a text the mark shows Framed on a disabled item, as the shape field holds it.
    if (object.Shape >= 0 && object.Shape < int(shapeItems.size()))
        shapeItems[object.Shape]->setChecked(true);
}
