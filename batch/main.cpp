// cdcover-batch: prints cover jobs from the command line, without a window.

#include "base/language.h"
#include "base/settingsfolder.h"
#include "batch/batchoptions.h"
#include "batch/batchrun.h"
#include "batch/runtimedirectory.h"

#include <QGuiApplication>
#include <QTextStream>

#include <csignal>

int main(int argc, char* argv[]) {
    // No display is needed: the program draws offscreen by itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Under a file-size limit a write then fails (EFBIG) and is reported like a
    // full disk, instead of the signal ending the run with half a file.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<QTemporaryDir> runtimeDirectory = provideRuntimeDirectory();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("cdcover"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QGuiApplication::arguments();
    const LanguageOption languageOption = takeLanguageOption(arguments);
    const ProgramLanguage language(languageOption.language.value_or(systemLanguage()));
    const bool badLanguage = languageOption.missingValue || !languageOption.badValue.isEmpty();
    const ParsedCommandLine parsed = parseBatchCommandLine(arguments);
    if (badLanguage || !parsed.options) {
        // The whole help would scroll the error away.
        err << (badLanguage ? languageOptionError(languageOption) : parsed.error) << '\n'
            << QCoreApplication::translate("BatchMain", "Hilfe: cdcover-batch --help") << '\n';
        return ExitUsage;
    }
    return runBatch(*parsed.options, defaultSettingsFolder(), out, err);
}
