#include "print/printpage.h"

#include "app/imagebutton.h"
#include "app/mainform.h"
#include "app/scrollbox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PrintPage::PrintPage(TMainForm& form)
    : PageFrame(QStringLiteral("Drucken - Anzahl der zu druckenden Elemente wählen und auf \"Go!\" klicken"),
                QStringLiteral("Label/Cover Drucken"), QStringLiteral("page-print")),
      form_(form) {
    setObjectName(QStringLiteral("DruckSheet"));
    SetupBtn = new TImageButton(
        QStringLiteral("SetupBtn"), QStringLiteral("SetupBtnDown"),
        QStringLiteral("Klicken Sie hier, um einen anderen Drucker oder ein anderes Papierformat zu wählen"),
        leftPanel());
    GoBtn1 = new TImageButton(QStringLiteral("GoBtn1"), QStringLiteral("GoBtn1Down"),
                              QStringLiteral("Startet den Druckvorgang!"), leftPanel());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetupBtn);
    buttons->addWidget(GoBtn1);
    leftControls()->addLayout(buttons);
    KalibrateBtn = new QPushButton(QStringLiteral("Drucker &kalibrieren..."), leftPanel());
    KalibrateBtn->setObjectName(QStringLiteral("KalibrateBtn"));
    leftControls()->addWidget(KalibrateBtn);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    ScrollBox3 = new ScrollBox(content());
    ScrollBox3->setObjectName(QStringLiteral("ScrollBox3"));
    VPaint = ScrollBox3->paintBox();
    VPaint->setObjectName(QStringLiteral("VPaint"));
    VPaint->setCursor(Qt::PointingHandCursor);
    contentLayout->addWidget(ScrollBox3);
}
