#include "objects/ui/textdialog.h"

#include "objects/textobject.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TextDialog::TextDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("Text eingeben..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    layout->addWidget(Memo1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    // Enter makes a new line in the edit field, so no button is the default.
    OKBtn->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 220);
    setFixedSize(size());
}

QStringList TextDialog::lines() const {
    return memoLines(Memo1->toPlainText());
}

void TextDialog::setLines(const QStringList& lines) {
    Memo1->setPlainText(memoTextOf(lines));
}

void TextDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the desktop rather than over the main window.
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    Memo1->setFocus();
}
