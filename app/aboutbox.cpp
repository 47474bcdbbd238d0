#include "app/aboutbox.h"

#include "base/apptitle.h"
#include "widgets/dialogs.h"
#include "widgets/pictures.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutBox::withYear(QString text, int year) {
    const qsizetype at = text.indexOf(QStringLiteral("XXXX"));
    if (at >= 0) text.replace(at, 4, QString::number(year));
    return text;
}

AboutBox::AboutBox(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Info"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("programIcon"));
    programIcon->setPixmap(pictures::pixmap(QStringLiteral("about"), devicePixelRatioF()));
    programIcon->setAlignment(Qt::AlignCenter);
    layout->addWidget(programIcon);

    auto* product = new QLabel(applicationTitle(), this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    product->setFont(bold);
    product->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    layout->addWidget(new QLabel(QString(), this));

    copyrightLabel =
        new QLabel(withYear(tr("Copyright © XXXX Varnelt Software"), QDate::currentDate().year()), this);
    copyrightLabel->setObjectName(QStringLiteral("copyrightLabel"));
    copyrightLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(copyrightLabel);
    auto* comments = new QLabel(tr("Kopiert CD-Labels und CD-Cover: scannen, retuschieren,\n"
                                   "beschriften, auf dem Etikettenbogen platzieren und drucken."),
                                this);
    comments->setAlignment(Qt::AlignCenter);
    layout->addWidget(comments);

    auto* buttons = new QHBoxLayout;
    webButton = new QPushButton(tr("Varnelt im Internet..."), this);
    webButton->setObjectName(QStringLiteral("webButton"));
    connect(webButton, &QPushButton::clicked, this,
            [this] { dialogs_.openWebAddress(QUrl(makerWebAddress())); });
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(webButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    layout->addLayout(buttons);
}
