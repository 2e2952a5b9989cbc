#include "ui/WindowFields.h"
#include "files/FirmwareCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

// The date in backup names is ddMMyy of the day the window starts, whatever
// the user's short date format (some hold "/", which no file name can).
TEST(ProgramFields, DateTagIsTheStartDayAsDdMMyyInEveryLocale) {
    const QLocale before;
    for (const char* locale : {"ru_RU", "en_US", "de_DE", "ja_JP"}) {
        SCOPED_TRACE(locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        WindowFields fields;
        SetProgramFields(fields, QStringLiteral("/opt/tunbox"), QDate(2027, 1, 31));
        EXPECT_EQ(fields.DateTag, "_310127_");
    }
    QLocale::setDefault(before);
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

TEST(ProgramFolders, AFirmwareFolderInAnotherCaseIsTheFirmwareFolder) {
    QTemporaryDir program;
    const QDir base(program.path());
    ASSERT_TRUE(base.mkdir("BASE"));

    CreateProgramFolders(program.path());

    EXPECT_FALSE(QFileInfo::exists(base.filePath("base")));
    EXPECT_EQ(FirmwareFolder(program.path()), base.filePath("BASE"));
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
