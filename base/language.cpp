#include "base/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Language languageOfLocale(const QLocale& locale) {
    return locale.language() == QLocale::German ? Language::German : Language::English;
}

Language systemLanguage() {
    // The UI languages follow LANGUAGE and LC_MESSAGES as well as LANG; the
    // first is the one the user wants to read.
    const QStringList wanted = QLocale::system().uiLanguages();
    return languageOfLocale(wanted.isEmpty() ? QLocale::system() : QLocale(wanted.first()));
}

namespace {

std::optional<Language> languageNamed(const QString& name) {
    if (name == QLatin1String("de")) return Language::German;
    if (name == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

} // namespace

LanguageOption takeLanguageOption(QStringList& arguments) {
    LanguageOption option;
    const QString prefix = QStringLiteral("--lang=");
    // The program's own name comes first and is never an option.
    for (qsizetype i = 1; i < arguments.size();) {
        QString value;
        if (arguments[i] == QLatin1String("--lang")) {
            if (i + 1 >= arguments.size()) {
                option.missingValue = true;
                arguments.remove(i);
                continue;
            }
            value = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (arguments[i].startsWith(prefix)) {
            value = arguments[i].mid(prefix.size());
            arguments.remove(i);
        } else {
            ++i;
            continue;
        }
        option.language = languageNamed(value);
        if (!option.language) option.badValue = value;
    }
    return option;
}

QString languageOptionError(const LanguageOption& option) {
    if (option.missingValue)
        return QCoreApplication::translate("ProgramLanguage", "Bei --lang fehlt die Sprache (de oder en).");
    return QCoreApplication::translate("ProgramLanguage", "Unbekannte Sprache bei --lang: %1 (de oder en)")
        .arg(option.badValue);
}

ProgramLanguage::ProgramLanguage(Language language) : language_(language) {
    if (language == Language::English)
        install(QStringLiteral("cdcover_en"), QStringLiteral(":/translations"));
    else
        // qtbase holds the texts of every Qt module the program uses: widgets,
        // their dialogs and printing.
        install(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

ProgramLanguage::~ProgramLanguage() {
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
}

void ProgramLanguage::install(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return;
    if (!QCoreApplication::installTranslator(translator.get())) return;
    translators_.push_back(std::move(translator));
}
