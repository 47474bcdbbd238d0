#include "app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

GermanQtTranslations::GermanQtTranslations()
    : GermanQtTranslations(QLibraryInfo::path(QLibraryInfo::TranslationsPath)) {}

GermanQtTranslations::GermanQtTranslations(const QString& folder) {
    // qtbase holds the texts of every module the program uses: widgets, their
    // dialogs and printing.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"), folder)) return;
    if (!QCoreApplication::installTranslator(translator.get())) return;
    translator_ = std::move(translator);
}

GermanQtTranslations::~GermanQtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}
