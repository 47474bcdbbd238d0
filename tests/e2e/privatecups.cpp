#include "privatecups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kScript = QStringLiteral(CDCOVER_E2E_DIR "/private-cups.sh");

} // namespace

void PrivateCupsTest::SetUp() {
    for (const char* tool : {"cupsd", "lpadmin", "unshare", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty() &&
            QStandardPaths::findExecutable(QLatin1String(tool), {QStringLiteral("/usr/sbin")}).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    // The scheduler's filters run as another user and must reach the spool.
    QFile::setPermissions(work.path(), QFile::permissions(work.path()) | QFile::ExeGroup | QFile::ExeOther);
    cupsFolder_ = work.path() + QStringLiteral("/cups");
    QString error;
    const auto socket = runProgram(
        QStringLiteral("sh"), QStringList{kScript, QStringLiteral("start"), cupsFolder_} + queues_, &error);
    if (!socket) GTEST_SKIP() << "a private cupsd cannot start here: " << error.toStdString();
    started_ = true;
    qputenv("CUPS_SERVER", socket->trimmed());
}

void PrivateCupsTest::TearDown() {
    qunsetenv("CUPS_SERVER");
    if (started_) runProgram(QStringLiteral("sh"), {kScript, QStringLiteral("stop"), cupsFolder_});
}

QString PrivateCupsTest::takeOutput(const QString& name) {
    QElapsedTimer clock;
    clock.start();
    const QDir out(cupsFolder_ + QStringLiteral("/out"));
    while (clock.elapsed() < 60000) {
        for (const QString& written : out.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            QFile file(out.filePath(written));
            if (!file.open(QIODevice::ReadOnly) || !file.readAll().trimmed().endsWith("%%EOF")) continue;
            file.close();
            const QString taken = work.filePath(name);
            return file.rename(taken) ? taken : QString();
        }
        QTest::qWait(200);
    }
    return {};
}

QString PrivateCupsTest::schedulerLog() const {
    QString log;
    QStringList names{QStringLiteral("error_log")};
    for (const QString& queue : queues_)
        names << QStringLiteral("cups-pdf-") + queue + QStringLiteral("_log");
    for (const QString& name : names) {
        QFile file(cupsFolder_ + QStringLiteral("/log/") + name);
        if (file.open(QIODevice::ReadOnly)) log += QString::fromLocal8Bit(file.readAll().right(4000));
    }
    return log;
}
