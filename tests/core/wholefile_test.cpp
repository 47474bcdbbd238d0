#include "base/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    WholeFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

TEST(WholeFile, AReplacedFileKeepsItsModeAndItsLinksANewOneGetsTheUsualMode) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("labels.pdf"));
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(writeWhole(target, "old"));
    // Like any program's new file: what the umask leaves of rw-rw-rw-, not a
    // temporary file's rw-------.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(target), 0666 & ~mask);

    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(writeWhole(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), QByteArrayLiteral("new"));
    EXPECT_EQ(modeOf(target), mode_t(0640));

    // Closed without commit: nothing changes, nothing is left behind.
    {
        WholeFile abandoned(target);
        ASSERT_TRUE(abandoned.open(QIODevice::WriteOnly));
        abandoned.write("never");
    }
    EXPECT_EQ(contentOf(target), QByteArrayLiteral("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}
