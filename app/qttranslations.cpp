#include "app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

GermanQtTranslations::GermanQtTranslations() {
    // qtbase holds the texts of every module the program uses: widgets, their
    // dialogs and printing.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    if (!QCoreApplication::installTranslator(translator.get())) return;
    translator_ = std::move(translator);
}

GermanQtTranslations::~GermanQtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}
