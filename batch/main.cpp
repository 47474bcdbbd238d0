// cdcover-batch: prints cover jobs from the command line, without a window.

#include "base/settingsfolder.h"
#include "batch/batchoptions.h"
#include "batch/batchrun.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Qt looks up its runtime directory while it starts and warns on standard error
// when XDG_RUNTIME_DIR is not set, as under su, sudo, cron or in a container.
// Standard error carries only our own messages, so the run gets a private
// directory (mode 0700, removed at exit) instead; nothing of ours uses it.
std::unique_ptr<QTemporaryDir> provideRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return nullptr;
    auto directory =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/cdcover-batch-XXXXXX"));
    if (!directory->isValid()) return nullptr;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory->path()));
    return directory;
}

} // namespace

int main(int argc, char* argv[]) {
    // No display is needed: the program draws offscreen by itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QTemporaryDir> runtimeDirectory = provideRuntimeDirectory();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("cdcover"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const ParsedCommandLine parsed = parseBatchCommandLine(QGuiApplication::arguments());
    if (!parsed.options) {
        err << parsed.error << "\n\n" << batchUsage();
        return ExitUsage;
    }
    return runBatch(*parsed.options, defaultSettingsFolder(), out, err);
}
