#include "ui/WindowFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

struct DateTagCase {
    const char* format;
    QDate date;
    const char* tag;
};

TEST(DateTag, ShortensDatesLongerThanSixCharacters) {
    const DateTagCase cases[] = {
        // ten characters: the day, month and the year's last two digits remain
        {"dd.MM.yyyy", QDate(2026, 12, 8), "_081226_"},
        {"dd.MM.yyyy", QDate(2031, 1, 31), "_310131_"},
        // six characters or fewer stay as they are
        {"ddMMyy", QDate(2026, 12, 8), "_081226_"},
        {"d.M.yy", QDate(2026, 1, 5), "_5.1.26_"},
        // eight characters follow the same rule
        {"dd.MM.yy", QDate(2026, 12, 8), "_0812_"},
        // a separator a file name cannot hold is left out
        {"M/d/yyyy", QDate(2026, 12, 8), "_1286_"},
        {"yyyy/MM/dd", QDate(2026, 12, 8), "_20608_"},
    };
    for (const DateTagCase& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(MakeDateTag(c.date, QString::fromLatin1(c.format)), QString::fromLatin1(c.tag));
    }
}

TEST(ProgramFolders, MissingFoldersAreCreatedAndExistingOnesKept) {
    QTemporaryDir program;
    const QDir base(program.path());
    ASSERT_TRUE(base.mkdir("conf"));
    QFile kept(base.filePath("conf/mine.cfg"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("1\r\n");
    kept.close();

    CreateProgramFolders(program.path());

    for (const char* folder : {"reg", "base", "conf"}) {
        const QFileInfo info(base.filePath(folder));
        EXPECT_TRUE(info.isDir()) << folder;
        EXPECT_TRUE(info.isWritable()) << folder;
    }
    EXPECT_EQ(QFileInfo(base.filePath("conf/mine.cfg")).size(), 3);
}

TEST(ProgramFolders, AFolderThatCannotBeMadeIsSkippedQuietly) {
    QTemporaryDir program;
    const QDir base(program.path());
    // A file already holds the name "reg".
    QFile blocker(base.filePath("reg"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    CreateProgramFolders(program.path());
    CreateProgramFolders(base.filePath("no/such/folder"));

    EXPECT_TRUE(QFileInfo(base.filePath("reg")).isFile());
    EXPECT_TRUE(QFileInfo(base.filePath("base")).isDir());
    EXPECT_TRUE(QFileInfo(base.filePath("conf")).isDir());
    EXPECT_FALSE(QFileInfo::exists(base.filePath("no")));
}

} // namespace
} // namespace tunbox
