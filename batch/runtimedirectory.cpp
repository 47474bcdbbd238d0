#include "batch/runtimedirectory.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

// The directory's name for the signal handler, which may only make system calls.
char directoryToRemove[4096];

void removeDirectoryAndDie(int signalNumber) {
    ::rmdir(directoryToRemove);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// The signals that end a process without running its destructors.
void removeOnFatalSignals(const QByteArray& path) {
    if (path.size() >= qsizetype(sizeof directoryToRemove)) return;
    std::memcpy(directoryToRemove, path.constData(), std::size_t(path.size()) + 1);
    for (const int signalNumber :
         {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGXCPU})
        std::signal(signalNumber, removeDirectoryAndDie);
}

} // namespace

std::unique_ptr<QTemporaryDir> provideRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return nullptr;
    auto directory =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/cdcover-batch-XXXXXX"));
    if (!directory->isValid()) return nullptr;
    const QByteArray path = QFile::encodeName(directory->path());
    qputenv("XDG_RUNTIME_DIR", path);
    removeOnFatalSignals(path);
    return directory;
}
