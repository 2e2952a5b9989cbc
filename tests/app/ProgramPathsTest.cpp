#include "app/ProgramPaths.h"

#include "AppTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(ProgramPaths, ReplaceExtension) {
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/tunbox/tunbox-rpu-klt", "INI", "/opt/tunbox/tunbox-rpu-klt.INI"},
        {"/opt/tunbox/tunbox-rpu-klt.exe", "INI", "/opt/tunbox/tunbox-rpu-klt.INI"},
        {"/opt/tunbox/tunbox-rpu-klt", "EN", "/opt/tunbox/tunbox-rpu-klt.EN"},
        {"/opt/tunbox/tunbox-rpu-klt.EN", "ENU", "/opt/tunbox/tunbox-rpu-klt.ENU"},
        {"/opt/tunbox/a.b.c", "INI", "/opt/tunbox/a.b.INI"},
        {"/opt/tunbox/prog.", "INI", "/opt/tunbox/prog.INI"},
        // A dot in a folder name is not an extension of the file.
        {"/opt/tunbox-1.2/tunbox-rpu-klt", "INI", "/opt/tunbox-1.2/tunbox-rpu-klt.INI"},
        // A leading dot marks a hidden file.
        {"/opt/tunbox/.tunbox", "INI", "/opt/tunbox/.tunbox.INI"},
        {"tunbox-rpu-klt", "INI", "tunbox-rpu-klt.INI"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceExtension(QString::fromUtf8(c.path), QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.expected))
            << c.path << " + " << c.extension;
    }
}

TEST(ProgramPaths, PartsOfTheExecutablePath) {
    ProgramPaths paths;
    paths.executable = QStringLiteral("/opt/tunbox-1.2/tunbox-rpu-klt");
    EXPECT_EQ(paths.Folder(), QStringLiteral("/opt/tunbox-1.2"));
    EXPECT_EQ(paths.FileName(), QStringLiteral("tunbox-rpu-klt"));
    EXPECT_EQ(paths.SettingsFile(), QStringLiteral("/opt/tunbox-1.2/tunbox-rpu-klt.INI"));
    EXPECT_EQ(paths.WithExtension(QStringLiteral("EN")),
              QStringLiteral("/opt/tunbox-1.2/tunbox-rpu-klt.EN"));
}

// An installed program whose folder the user may not write keeps its data in
// the user's data folder; the language modules and help stay beside it.
TEST(ProgramPaths, DataOfAnInstalledProgramLiveInTheUsersDataFolder) {
    const QString executable = QStringLiteral("/usr/lib/tunbox-rpu-klt/tunbox-rpu-klt");
    const QString dataHome = QStringLiteral("/home/engineer/.local/share");

    const ProgramPaths writable = ProgramPaths::ForExecutable(executable, true, dataHome);
    EXPECT_EQ(writable.DataFolder(), QStringLiteral("/usr/lib/tunbox-rpu-klt"));
    EXPECT_EQ(writable.SettingsFile(),
              QStringLiteral("/usr/lib/tunbox-rpu-klt/tunbox-rpu-klt.INI"));

    const ProgramPaths installed = ProgramPaths::ForExecutable(executable, false, dataHome);
    EXPECT_EQ(installed.DataFolder(), QStringLiteral("/home/engineer/.local/share/Tunbox-RPU-KLT"));
    EXPECT_EQ(installed.SettingsFile(),
              QStringLiteral("/home/engineer/.local/share/Tunbox-RPU-KLT/tunbox-rpu-klt.INI"));
    EXPECT_EQ(installed.ShippedSettingsFile(),
              QStringLiteral("/usr/lib/tunbox-rpu-klt/tunbox-rpu-klt.INI"));
    EXPECT_EQ(installed.WithExtension(QStringLiteral("EN")),
              QStringLiteral("/usr/lib/tunbox-rpu-klt/tunbox-rpu-klt.EN"));

    // Without a data home there is nowhere else to go.
    EXPECT_EQ(ProgramPaths::ForExecutable(executable, false, QString()).DataFolder(),
              QStringLiteral("/usr/lib/tunbox-rpu-klt"));
}

TEST(ProgramPaths, TheDataFolderGetsTheShippedSettingsFileOnceAndKeepsTheUsers) {
    QTemporaryDir dir;
    ProgramPaths paths =
        ProgramPaths::ForExecutable(dir.filePath(QStringLiteral("lib/tunbox-rpu-klt")), false,
                                    dir.filePath(QStringLiteral("share")));
    test::WriteFile(paths.ShippedSettingsFile(), "[Language]\nDefault=EN\n");

    PrepareDataFolder(paths);
    EXPECT_TRUE(QFileInfo(paths.DataFolder()).isDir());
    EXPECT_EQ(test::ReadFile(paths.SettingsFile()), "[Language]\nDefault=EN\n");
    EXPECT_TRUE(QFileInfo(paths.SettingsFile()).isWritable());

    test::WriteFile(paths.SettingsFile(), "[Language]\nDefault=RU\n");
    PrepareDataFolder(paths);
    EXPECT_EQ(test::ReadFile(paths.SettingsFile()), "[Language]\nDefault=RU\n");
    EXPECT_EQ(test::ReadFile(paths.ShippedSettingsFile()), "[Language]\nDefault=EN\n");
}

} // namespace
} // namespace tunbox
