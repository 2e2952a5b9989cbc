#include "app/ProgramPaths.h"

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

} // namespace
} // namespace tunbox
