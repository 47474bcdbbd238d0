#include "base/savefile.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(SaveFile, AWriteCutShortKeepsThePreviousFileWhateverItsSize) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.dat");
    ASSERT_TRUE(replaceFile(path, QByteArrayLiteral("the old content")));
    // Small contents stay in QSaveFile's buffer until the commit, large ones go
    // straight to disk: both must be caught.
    for (const qsizetype size : {qsizetype(40), qsizetype(300000)}) {
        const QByteArray replacement(size, 'x');
        {
            ScopedFileSizeLimit limit(10);
            EXPECT_FALSE(replaceFile(path, replacement)) << size;
        }
        EXPECT_EQ(contentOf(path), QByteArrayLiteral("the old content")) << size;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
    }
    ASSERT_TRUE(replaceFile(path, QByteArrayLiteral("new")));
    EXPECT_EQ(contentOf(path), QByteArrayLiteral("new"));
    EXPECT_FALSE(replaceFile(dir.path() + QStringLiteral("/missing/settings.dat"), QByteArrayLiteral("x")));
}
