#include "files/LineFile.h"

#include "files/FailingSaveFile.h"
#include "files/FilesTestSupport.h"

#include <QFile>

namespace tunbox {
namespace {

using test::FailingSaveFile;

TEST(SplitLines, EveryLineEndingAndTheTextAfterTheLast) {
    struct Case {
        const char* data;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"1\r\n2\r\n", {"1", "2"}},
        {"1\r2\r", {"1", "2"}},
        {"1\n2\n", {"1", "2"}},
        {"1\r\n2\r3\n4", {"1", "2", "3", "4"}},
        {"1\n\r2", {"1", "", "2"}}, // LF then CR: two endings
        {"\r\n\r\n", {"", ""}},
        {"1\r\r\n2", {"1", "", "2"}},
        {"\r", {""}},
        {"last", {"last"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLines(QByteArrayView(c.data)), c.lines) << c.data;
}

TEST(JoinLines, CrLfAfterEveryLineAndNoByteOrderMark) {
    EXPECT_EQ(JoinLines({"0", "85", "255"}), QByteArray("0\r\n85\r\n255\r\n"));
    EXPECT_EQ(JoinLines({}), QByteArray());
}

class LineFileTest : public test::TempFolderTest {};

TEST_F(LineFileTest, WrittenLinesReadBackAndTheBytesAreExact) {
    const QString path = Path("a.cfg");
    ASSERT_TRUE(WriteLines(path, {"1", "", "300"}).Ok());
    EXPECT_EQ(Bytes(path), QByteArray("1\r\n\r\n300\r\n"));
    const LinesRead read = ReadLines(path);
    ASSERT_TRUE(read.outcome.Ok());
    EXPECT_EQ(read.lines, QStringList({"1", "", "300"}));
    EXPECT_EQ(Entries(), QStringList{"a.cfg"});
}

TEST_F(LineFileTest, OverwriteReplacesTheWholeFormerContent) {
    const QString path = Put("a.cfg", QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteLines(path, {"7"}).Ok());
    EXPECT_EQ(Bytes(path), QByteArray("7\r\n"));
}

TEST_F(LineFileTest, CrOnlyFileReadsAsLines) {
    const LinesRead read = ReadLines(Put("mac.cfg", "10\r20\r30\r"));
    ASSERT_TRUE(read.outcome.Ok());
    EXPECT_EQ(read.lines, QStringList({"10", "20", "30"}));
}

// A save that fails part-way, at any byte, leaves the former file byte for byte
// and no temporary file beside it; a file that did not exist is still absent.
TEST_F(LineFileTest, SaveFailingAfterNBytesKeepsTheFormerFile) {
    const QByteArray former = "former\r\ncontent\r\n";
    const QStringList lines = {"100", "200", "300"}; // 15 bytes
    for (qint64 n : {0, 1, 4, 14}) {
        const QString path = Put("keep.cfg", former);
        const QString fresh = Path("fresh.cfg");
        QFile::remove(fresh);
        auto failing = [n](const QString& p) { return std::make_unique<FailingSaveFile>(p, n); };
        const FileOutcome kept = WriteLines(path, lines, failing);
        EXPECT_EQ(kept.status, FileStatus::WriteFailed) << n;
        EXPECT_EQ(kept.reason, QStringLiteral("No space left on device")) << n;
        EXPECT_EQ(Bytes(path), former) << n;

        EXPECT_EQ(WriteLines(fresh, lines, failing).status, FileStatus::WriteFailed) << n;
        EXPECT_FALSE(QFile::exists(fresh)) << n;
        EXPECT_EQ(Entries(), QStringList{"keep.cfg"}) << n;
    }
}

TEST_F(LineFileTest, SaveWithRoomForEveryByteSucceedsThroughTheSameDevice) {
    const QString path = Path("a.cfg");
    auto roomy = [](const QString& p) { return std::make_unique<FailingSaveFile>(p, 15); };
    ASSERT_TRUE(WriteLines(path, {"100", "200", "300"}, roomy).Ok());
    EXPECT_EQ(Bytes(path), QByteArray("100\r\n200\r\n300\r\n"));
}

TEST_F(LineFileTest, SaveThatCannotCreateItsFileGivesTheSystemsReason) {
    Put("plain", "x");
    const QString paths[] = {Path("missing/a.cfg"), Path("plain/a.cfg")};
    for (const QString& path : paths) {
        const FileOutcome outcome = WriteLines(path, {"1"});
        EXPECT_EQ(outcome.status, FileStatus::OpenFailed) << path.toStdString();
        EXPECT_FALSE(outcome.reason.isEmpty()) << path.toStdString();
    }
}

TEST_F(LineFileTest, SaveIntoReadOnlyFolderKeepsTheFormerFile) {
    QDir().mkpath(Path("ro"));
    const QString path = Put("ro/a.cfg", "old\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                    QFile::WriteOther);
    QFile::setPermissions(Path("ro"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    FileOutcome outcome;
    {
        test::ScopedUnprivileged unprivileged;
        if (!unprivileged.Active())
            GTEST_SKIP() << "cannot leave the super-user";
        outcome = WriteLines(path, {"1"});
    }
    QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The file itself is writable; only the folder refuses the save's new file.
    EXPECT_EQ(outcome.status, FileStatus::OpenFailed);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(Bytes(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(Path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.cfg"});
}

TEST_F(LineFileTest, UnreadableFilesGiveTheSystemsReason) {
    QDir().mkpath(Path("folder.cfg"));
    for (const QString& path : {Path("missing.cfg"), Path("folder.cfg")}) {
        const LinesRead read = ReadLines(path);
        EXPECT_FALSE(read.outcome.Ok()) << path.toStdString();
        EXPECT_FALSE(read.outcome.reason.isEmpty()) << path.toStdString();
        EXPECT_TRUE(read.lines.isEmpty());
    }
}

TEST_F(LineFileTest, FileWithoutReadPermissionIsRefused) {
    const QString path = Put("locked.cfg", "1\r\n");
    QFile::setPermissions(path, QFile::WriteOwner);
    test::ScopedUnprivileged unprivileged;
    if (!unprivileged.Active())
        GTEST_SKIP() << "cannot leave the super-user";
    const LinesRead read = ReadLines(path);
    EXPECT_EQ(read.outcome.status, FileStatus::OpenFailed);
    EXPECT_FALSE(read.outcome.reason.isEmpty());
}

TEST_F(LineFileTest, FileAboveTheLimitIsRefusedWhateverItsSizeClaims) {
    const QString path = Put("big.cfg", QByteArray(101, '1'));
    EXPECT_EQ(ReadLines(path, 100).outcome.status, FileStatus::TooLarge);
    EXPECT_TRUE(ReadLines(path, 101).outcome.Ok());
    // A device that reports no size is cut off at the limit as well.
    EXPECT_EQ(ReadLines(QStringLiteral("/dev/zero"), 100).outcome.status, FileStatus::TooLarge);
}

TEST_F(LineFileTest, RemoveDeletesAndAMissingFileCountsAsDeleted) {
    const QString path = Put("a.rrg", "1\r\n");
    EXPECT_TRUE(RemoveFile(path).Ok());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(RemoveFile(path).Ok());
}

TEST_F(LineFileTest, RemoveThatFailsSaysSoWithTheReason) {
    QDir().mkpath(Path("folder.rrg"));
    const FileOutcome outcome = RemoveFile(Path("folder.rrg"));
    EXPECT_EQ(outcome.status, FileStatus::RemoveFailed);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_TRUE(QFileInfo(Path("folder.rrg")).isDir());
}

} // namespace
} // namespace tunbox
