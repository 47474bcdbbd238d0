#include "objects/ui/textdialog.h"

#include "objects/textobject.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TextDialog::TextDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("textDialog"));
    setWindowTitle(tr("Text eingeben..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    textEdit = new QPlainTextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit->setTabChangesFocus(true);
    layout->addWidget(textEdit, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = new QPushButton(tr("Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // Enter makes a new line in the edit field, so no button is the default.
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 220);
    setFixedSize(size());
}

QStringList TextDialog::lines() const {
    return memoLines(textEdit->toPlainText());
}

void TextDialog::setLines(const QStringList& lines) {
    textEdit->setPlainText(memoTextOf(lines));
}

void TextDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the desktop rather than over the main window.
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    textEdit->setFocus();
}
