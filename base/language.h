#pragma once
// The language the program speaks: German, its own, or English. The user's
// locale decides; "--lang de|en" on the command line overrides it.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QLocale;
class QTranslator;

enum class Language { German, English };

// German for a German locale, English for every other.
Language languageOfLocale(const QLocale& locale);
// The language the user's desktop asks for (its first UI language).
Language systemLanguage();

struct LanguageOption {
    std::optional<Language> language; // none: the option was not given
    QString badValue;                 // the value of a "--lang" that names no language
    bool missingValue = false;        // "--lang" as the last argument
};
// Takes "--lang X" or "--lang=X" out of `arguments`, so that the rest reads as before.
LanguageOption takeLanguageOption(QStringList& arguments);
// What is wrong with a "--lang" that names no language, in the language spoken.
QString languageOptionError(const LanguageOption& option);

// Installs the translations of `language` for as long as it lives: in English
// the program's own texts, in German Qt's texts (its dialogs and standard
// buttons). A missing file of Qt's leaves Qt's texts English; nothing is
// reported, the program works the same.
class ProgramLanguage {
  public:
    explicit ProgramLanguage(Language language);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    Language language() const { return language_; }
    // How many translation files took effect.
    int installed() const { return int(translators_.size()); }

  private:
    void install(const QString& name, const QString& folder);

    Language language_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
};
