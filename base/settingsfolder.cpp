#include "base/settingsfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// Asks the file system itself: permissions alone do not tell for read-only mounts.
bool canWriteInto(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".cdcover-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString chooseSettingsFolder(const QString& executableDirectory, const QString& installedBinDirectory) {
    const QString executable = QDir::cleanPath(executableDirectory);
    const bool installed =
        !installedBinDirectory.isEmpty() && executable == QDir::cleanPath(installedBinDirectory);
    if (!installed && canWriteInto(executable)) return withSlash(executable);
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString defaultSettingsFolder() {
    return chooseSettingsFolder(QCoreApplication::applicationDirPath(),
                                QStringLiteral(CDCOVER_INSTALL_BINDIR));
}

bool prepareSettingsFolder(const QString& filePath) {
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}
