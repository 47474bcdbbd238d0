// Every page and dialog in both languages: in German the texts are exactly the
// ones recorded in germantexts.txt; in English none of them is left, except the
// few that read the same in both languages (names, "OK").

#include "app/aboutbox.h"
#include "base/language.h"
#include "objects/ui/annotationeditor.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/textdialog.h"
#include "objects/ui/texteffectsdialog.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementpage.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"
#include "raster/ui/scandialogs.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/ui/turndialog.h"
#include "support/mainwindowfixture.h"
#include "widgets/printersetupdialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <set>

namespace {

// Names and data that no language changes: the product and its address, the
// test's paper format and scanner, Qt's own names of paper sizes, the unit.
const QStringList kSameInBothLanguages = {QStringLiteral("Morvanthelquistradibenzor 1.1"),
                                          QStringLiteral("www.varnelt.example"),
                                          QStringLiteral("Copyright © YYYY Varnelt Software"),
                                          QStringLiteral("CD"),
                                          QStringLiteral("Noname frontend-tester (test:0)"),
                                          QStringLiteral("Legal"),
                                          QStringLiteral("Letter / ANSI A"),
                                          QStringLiteral("Tabloid / ANSI B"),
                                          QStringLiteral("mm")};

const QString kGermanTexts = QStringLiteral(CDCOVER_TESTS_DIR "/widgets/germantexts.txt");

// A text a user reads, worth checking: with letters in it.
void keep(std::set<QString>& texts, const QString& text) {
    static const QRegularExpression letter(QStringLiteral("[A-Za-zÄÖÜäöüß]{2}"));
    static const QRegularExpression year(QStringLiteral("© \\d{4}"));
    if (letter.match(text).hasMatch()) texts.insert(QString(text).replace(year, QStringLiteral("© YYYY")));
}

void collectActions(std::set<QString>& texts, const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
        keep(texts, action->text());
        keep(texts, action->toolTip() == QString(action->text()).remove('&') ? QString() : action->toolTip());
        if (action->menu()) collectActions(texts, action->menu()->actions());
    }
}

// The texts of `widget` and every widget inside it, shown or not.
void collectTexts(std::set<QString>& texts, QWidget& top) {
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* widget : widgets) {
        if (widget->isWindow()) keep(texts, widget->windowTitle());
        keep(texts, widget->toolTip());
        keep(texts, widget->statusTip());
        collectActions(texts, widget->actions());
        if (auto* label = qobject_cast<QLabel*>(widget)) keep(texts, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) keep(texts, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget)) keep(texts, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) keep(texts, edit->placeholderText());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) keep(texts, spin->specialValueText());
        if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            keep(texts, spin->prefix());
            keep(texts, spin->suffix());
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i) {
                keep(texts, tabs->tabText(i));
                keep(texts, tabs->tabToolTip(i));
            }
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                keep(texts, combo->itemText(i));
        if (auto* tree = qobject_cast<QTreeWidget*>(widget))
            for (int i = 0; i < tree->columnCount(); ++i)
                keep(texts, tree->headerItem()->text(i));
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                keep(texts, list->item(i)->text());
    }
}

// The translations of the program's English file: German source → English.
std::map<QString, QString> englishTranslations() {
    std::map<QString, QString> translations;
    QFile file(QStringLiteral(CDCOVER_SOURCE_DIR "/translations/cdcover_en.ts"));
    if (!file.open(QIODevice::ReadOnly)) return translations;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") || xml.name() == QLatin1String("numerusform")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.isEmpty()) translations.emplace(source, text);
        }
    }
    return translations;
}

class LanguagesTest : public MainWindowTest {
  protected:
    // Every page of the window and every dialog of the program, as built now.
    std::set<QString> walk() {
        // With one paper format, so that every page shows itself without asking for one.
        PaperType paper;
        applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
        EXPECT_TRUE(SaveEttTypes({paper}, programDir()));
        createForm();
        std::set<QString> texts;
        for (int page = 0; page < form->pageTabs->count(); ++page) {
            form->pageTabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            collectTexts(texts, *form);
        }
        collectTexts(texts, form->placementPage->paperFormatDialog());
        collectTexts(texts, form->printPage->calibrationDialog());
        collectTexts(texts, *form->annotationPage->editor->textDialog);
        collectTexts(texts, *form->annotationPage->editor->textEffectsDialog);
        AboutBox about(dialogs);
        collectTexts(texts, about);
        TurnDialog turn([](double) {});
        collectTexts(texts, turn);
        BrightnessContrastDialog tones;
        collectTexts(texts, tones);
        ScannerSelectDialog scanners({{"test:0", "Noname", "frontend-tester", "virtual device"}}, "test:0");
        collectTexts(texts, scanners);
        ScanOptionsDialog scanOptions(QStringLiteral("test:0"), {});
        collectTexts(texts, scanOptions);
        PrinterSetupDialog printerSetup(PrinterChoice{});
        collectTexts(texts, printerSetup);
        // The template chooser as "Vorlage..." opens it.
        dialogs.answerModal([&](QDialog& chooser) {
            collectTexts(texts, chooser);
            return int(QDialog::Rejected);
        });
        form->placementPage->chooseFirstTemplate();
        return texts;
    }
};

std::set<QString> recordedGermanTexts() {
    std::set<QString> texts;
    QFile file(kGermanTexts);
    if (file.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
            texts.insert(QString(line).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    return texts;
}

QString listed(const std::set<QString>& texts) {
    QStringList lines;
    for (const QString& text : texts)
        lines << QString(text).replace('\n', QStringLiteral("\\n"));
    return lines.join('\n') + '\n';
}

TEST_F(LanguagesTest, InGermanEveryPageAndDialogShowsTheRecordedTexts) {
    const ProgramLanguage german(Language::German);
    const std::set<QString> shown = walk();
    // CDCOVER_RECORD_TEXTS=1 writes the list anew, after a deliberate change of a text.
    if (qEnvironmentVariableIsSet("CDCOVER_RECORD_TEXTS")) {
        QFile file(kGermanTexts);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(listed(shown).toUtf8());
    }
    const std::set<QString> recorded = recordedGermanTexts();
    EXPECT_EQ(listed(shown).toStdString(), listed(recorded).toStdString());
}

TEST_F(LanguagesTest, InEnglishNoGermanTextIsLeft) {
    const ProgramLanguage english(Language::English);
    ASSERT_EQ(english.installed(), 1);
    const std::map<QString, QString> translations = englishTranslations();
    const std::set<QString> german = recordedGermanTexts();
    ASSERT_FALSE(german.empty());
    QStringList left;
    for (const QString& text : walk()) {
        if (!german.contains(text)) continue;
        if (kSameInBothLanguages.contains(text)) continue;
        // Texts that are the same in both languages: translated to themselves.
        const auto translation = translations.find(text);
        if (translation != translations.end() && translation->second == text) continue;
        left << text;
    }
    EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral(" | ")).toStdString();
}

} // namespace
