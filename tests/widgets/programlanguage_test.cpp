// Qt's own texts in German: standard buttons and the stock dialogs.

#include "base/language.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QString cancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// The texts of a dialog's labels and group boxes, without their shortcut marks.
QStringList labelTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        texts << group->title();
    return texts.replaceInStrings(QStringLiteral("&"), QString());
}

TEST(GermanQtTranslationsTest, StandardButtonsAndStockDialogsSpeakGermanWhileInstalled) {
    {
        const ProgramLanguage german(Language::German);
        ASSERT_EQ(german.installed(), 1) << "Qt's German translation is not installed";
        EXPECT_EQ(cancelText(), QStringLiteral("Abbrechen"));

        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        EXPECT_EQ(files.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
                  QStringLiteral("Suchen in:"));
        EXPECT_TRUE(labelTexts(files).contains(QStringLiteral("Dateiname:")))
            << labelTexts(files).join('|').toStdString();

        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        EXPECT_TRUE(labelTexts(colours).contains(QStringLiteral("Grundfarben")))
            << labelTexts(colours).join('|').toStdString();

        QFontDialog fonts;
        fonts.setOption(QFontDialog::DontUseNativeDialog);
        EXPECT_TRUE(labelTexts(fonts).contains(QStringLiteral("Schriftart")))
            << labelTexts(fonts).join('|').toStdString();
    }
    // Removed with its owner: nothing else in the process is changed for good.
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}

} // namespace
