#include "app/coverfile.h"
#include "app/givenfile.h"
#include "raster/imagefile.h"
#include "support/testimages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GivenFile, TheContentDecidesBeforeTheName) {
    const QByteArray job = cover::signature() + QByteArray(24, '\0');
    const QByteArray picture = encodeImage(gradientImage24(3, 2), ImageFileFormat::Png);
    EXPECT_EQ(givenFileKind(job, QStringLiteral("job.png")), GivenFileKind::Cover);
    EXPECT_EQ(givenFileKind(job, QStringLiteral("job")), GivenFileKind::Cover);
    EXPECT_EQ(givenFileKind(picture, QStringLiteral("bild.cov")), GivenFileKind::Image);
    // Neither: the name says which reader tells the user what is wrong.
    EXPECT_EQ(givenFileKind("kaputt", QStringLiteral("/a.cov/b.COV")), GivenFileKind::Cover);
    EXPECT_EQ(givenFileKind("kaputt", QStringLiteral("/a.cov/b.txt")), GivenFileKind::Image);
    EXPECT_EQ(givenFileKind(cover::signature().left(20), QStringLiteral("kurz")), GivenFileKind::Image);
}

TEST(GivenFile, OnDiskOnlyTheHeadIsLookedAt) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("auftrag")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cover::signature() + QByteArray(10 << 20, 'x'));
    file.close();
    EXPECT_EQ(givenFileKindOf(file.fileName()), GivenFileKind::Cover);
    EXPECT_EQ(givenFileKindOf(folder.filePath(QStringLiteral("fehlt.cov"))), GivenFileKind::Cover);
    EXPECT_EQ(givenFileKindOf(folder.filePath(QStringLiteral("fehlt.jpg"))), GivenFileKind::Image);
}

TEST(GivenFile, TheFirstArgumentIsMadeAbsolute) {
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover")}), QString());
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover"), QString()}), QString());
    EXPECT_EQ(
        fileOfArguments({QStringLiteral("cdcover"), QStringLiteral("/tmp/a.cov"), QStringLiteral("b.cov")}),
        QStringLiteral("/tmp/a.cov"));
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover"), QStringLiteral("job.cov")}),
              QDir::current().absoluteFilePath(QStringLiteral("job.cov")));
}

TEST(GivenFile, ADropOpensTheFirstLocalFile) {
    QTemporaryDir folder;
    const QString a = folder.filePath(QStringLiteral("a.cov")), b = folder.filePath(QStringLiteral("b.png"));
    const QUrl web(QStringLiteral("https://example.org/c.cov"));
    EXPECT_EQ(droppedFile({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}), a);
    EXPECT_EQ(droppedFile({web, QUrl::fromLocalFile(folder.path()), QUrl::fromLocalFile(b)}), b);
    EXPECT_EQ(droppedFile({web, QUrl(QStringLiteral("sftp://host/d.cov"))}), QString());
    EXPECT_EQ(droppedFile({}), QString());
}
