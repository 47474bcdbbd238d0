#pragma once
// Qt's own texts in German: the file, colour and font dialogs and the standard
// buttons speak the program's language, whatever language the desktop runs in.

#include <memory>

class QTranslator;

// Installs the translation for as long as it lives. Without Qt's translation
// files on the system Qt's texts stay English, and nothing is reported: the
// program works the same.
class GermanQtTranslations {
  public:
    GermanQtTranslations();
    ~GermanQtTranslations();
    GermanQtTranslations(const GermanQtTranslations&) = delete;
    GermanQtTranslations& operator=(const GermanQtTranslations&) = delete;

    bool loaded() const { return translator_ != nullptr; }

  private:
    std::unique_ptr<QTranslator> translator_;
};
