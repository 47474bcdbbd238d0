#include "paper/placementpage.h"

#include "app/mainform.h"
#include "app/scrollbox.h"

#include <QVBoxLayout>

PlacementPage::PlacementPage(TMainForm& form)
    : PageFrame(
          QStringLiteral("Zentrieren - Zunächst das Papierformat wählen und dann die Scanvorlage auf dem "
                         "Papier zentrieren"),
          QStringLiteral("Label/Cover zentrieren"), QStringLiteral("page-center")),
      form_(form) {
    setObjectName(QStringLiteral("ZentrierSheet"));
    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    ScrollBox2 = new ScrollBox(content());
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    PaintBox2 = ScrollBox2->paintBox();
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    PaintBox2->setCursor(Qt::PointingHandCursor);
    PaintBox2->resize(300, 300);
    contentLayout->addWidget(ScrollBox2);
}
