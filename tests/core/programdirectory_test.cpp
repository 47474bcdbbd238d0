#include "base/settingsfolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ProgramDirectory : public ::testing::Test {
  protected:
    void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
    void TearDown() override { QStandardPaths::setTestModeEnabled(false); }
    QString configFolder() const {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/');
    }
};

TEST_F(ProgramDirectory, AWritableFolderBesideTheProgramKeepsTheSettings) {
    QTemporaryDir portable;
    EXPECT_EQ(chooseSettingsFolder(portable.path(), QStringLiteral("/usr/local/bin")), portable.path() + "/");
    EXPECT_EQ(chooseSettingsFolder(portable.path() + "/", QString()), portable.path() + "/");
}

TEST_F(ProgramDirectory, ReadOnlyOrInstalledProgramsUseTheConfigurationFolder) {
    // /proc takes no new files, not even from root.
    EXPECT_EQ(chooseSettingsFolder(QStringLiteral("/proc"), QStringLiteral("/usr/local/bin")),
              configFolder());
    QTemporaryDir installed;
    EXPECT_EQ(chooseSettingsFolder(installed.path(), installed.path()), configFolder());
    EXPECT_EQ(chooseSettingsFolder(QStringLiteral("/does/not/exist"), QString()), configFolder());
}

TEST_F(ProgramDirectory, TheConfigurationFolderIsMadeOnFirstWrite) {
    QTemporaryDir root;
    const QString file = root.path() + QStringLiteral("/a/b/paper.dat");
    EXPECT_FALSE(QDir(root.path() + "/a").exists());
    EXPECT_TRUE(prepareSettingsFolder(file));
    EXPECT_TRUE(QDir(root.path() + "/a/b").exists());
    EXPECT_FALSE(prepareSettingsFolder(QStringLiteral("/proc/cdcover/paper.dat")));
}
