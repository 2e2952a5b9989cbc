#include "files/FirmwareFile.h"

#include "files/FilesTestSupport.h"

#include <QFileInfo>

namespace tunbox {
namespace {

// A synthetic firmware file: the given opening bytes, then a counting pattern up
// to size bytes.
QByteArray Image(const QByteArray& start, qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype k = 0; k < size; ++k)
        bytes[k] = k < start.size() ? start[k] : static_cast<char>(k * 7);
    return bytes;
}

const QByteArray Good("\x55\x55\x12\x69", 4);

TEST(FirmwareSizeFits, TenPlusWholePackets) {
    for (qint64 size : {10, 74, 138, 65546, 262154, 16777162})
        EXPECT_TRUE(FirmwareSizeFits(size)) << size;
    for (qint64 size : {0, 3, 9, 11, 72, 73, 75, 16777226, -54})
        EXPECT_FALSE(FirmwareSizeFits(size)) << size;
}

TEST(FormatFirmwareVersion, ByFamily) {
    struct Case {
        unsigned v;
        FirmwareFamily family;
        const char* text;
    };
    const Case cases[] = {
        {105, FirmwareFamily::Receiver, "10_5"},   {7, FirmwareFamily::Receiver, "0_7"},
        {255, FirmwareFamily::Receiver, "25_5"},   {99, FirmwareFamily::RelayModule, "9_9"},
        {100, FirmwareFamily::RelayModule, "1_0"}, {123, FirmwareFamily::RelayModule, "1_3"},
        {21, FirmwareFamily::RelayModule, "2_1"},  {105, FirmwareFamily::None, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFirmwareVersion(c.v, c.family), c.text) << c.v;
}

class FirmwareFileTest : public test::TempFolderTest {};

// Header, type and size checks in their order, and what each outcome shows.
TEST_F(FirmwareFileTest, HeaderTypeAndSizeChecks) {
    struct Case {
        const char* what;
        QByteArray bytes;
        FirmwareReadResult result;
        bool details; // name, size and date known
    };
    const Case cases[] = {
        {"good, 74 bytes", Image(Good, 74), FirmwareReadResult::Ok, true},
        {"good, 10 bytes", Image(Good, 10), FirmwareReadResult::Ok, true},
        {"55 54", Image("\x55\x54\x12\x69", 74), FirmwareReadResult::BadFormat, false},
        {"54 55", Image("\x54\x55\x12\x69", 74), FirmwareReadResult::BadFormat, false},
        {"55 55 13", Image("\x55\x55\x13\x69", 74), FirmwareReadResult::WrongType, true},
        {"72 bytes", Image(Good, 72), FirmwareReadResult::BadFormat, false},
        {"75 bytes", Image(Good, 75), FirmwareReadResult::BadFormat, false},
        {"9 bytes", Image(Good, 9), FirmwareReadResult::BadFormat, false},
        {"3 bytes", QByteArray("\x55\x55\x12"), FirmwareReadResult::BadFormat, false},
        {"empty", QByteArray(), FirmwareReadResult::BadFormat, false},
        {"wrong type and size", Image("\x55\x55\x13\x69", 75), FirmwareReadResult::BadFormat,
         false},
    };
    for (const Case& c : cases) {
        const QString path = Put("klt-rpu_10_5.bin", c.bytes);
        const FirmwareRead read = ReadFirmwareFile(path, FirmwareFamily::Receiver);
        EXPECT_EQ(read.result, c.result) << c.what;
        EXPECT_EQ(read.details.fileName, c.details ? "klt-rpu_10_5.bin" : "") << c.what;
        EXPECT_EQ(read.details.FirmwareSize, c.details ? std::uint32_t(c.bytes.size()) : 0u)
            << c.what;
        EXPECT_EQ(read.details.modified.isValid(), c.details) << c.what;
        const bool ok = c.result == FirmwareReadResult::Ok;
        EXPECT_EQ(read.details.versionText, ok ? "10_5" : "") << c.what;
        EXPECT_EQ(read.details.typeTextId, ok ? 10019 : 0) << c.what;
        EXPECT_EQ(read.image.size(), ok ? std::size_t(c.bytes.size()) : 0u) << c.what;
    }
}

TEST_F(FirmwareFileTest, ImageHoldsEveryByteInOrderAndTheDetails) {
    const QByteArray bytes = Image(Good, 10 + 64 * 3);
    const QString path = Put("klt-mro-1_9.hex", bytes);
    const FirmwareRead read = ReadFirmwareFile(path, FirmwareFamily::RelayModule);
    ASSERT_EQ(read.result, FirmwareReadResult::Ok);
    ASSERT_EQ(read.image.size(), std::size_t(bytes.size()));
    for (qsizetype k = 0; k < bytes.size(); ++k)
        ASSERT_EQ(read.image[k], static_cast<unsigned char>(bytes[k])) << k;
    EXPECT_EQ(read.details.typeTextId, 10020);
    EXPECT_EQ(read.details.versionText, "1_5"); // relay-module text of 105
    EXPECT_EQ(read.details.modified, QFileInfo(path).lastModified());
}

TEST_F(FirmwareFileTest, FileAboveSixteenMebibytesIsRefusedUnread) {
    // Sparse: 16 MiB + 64 bytes of holes would fit the packet rule.
    QFile file(Path("big.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Good);
    ASSERT_TRUE(file.resize(16 * 1024 * 1024 + 74));
    file.close();
    const FirmwareRead read = ReadFirmwareFile(file.fileName(), FirmwareFamily::Receiver);
    EXPECT_EQ(read.result, FirmwareReadResult::BadFormat);
    EXPECT_TRUE(read.details.fileName.isEmpty());
    EXPECT_TRUE(read.image.empty());
}

TEST_F(FirmwareFileTest, LargestFileThatFitsIsRead) {
    QFile file(Path("max.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Good);
    ASSERT_TRUE(file.resize(16 * 1024 * 1024 - 54));
    file.close();
    const FirmwareRead read = ReadFirmwareFile(file.fileName(), FirmwareFamily::Receiver);
    ASSERT_EQ(read.result, FirmwareReadResult::Ok);
    EXPECT_EQ(read.details.FirmwareSize, 16u * 1024 * 1024 - 54);
    EXPECT_EQ(read.image.size(), std::size_t{16 * 1024 * 1024 - 54});
}

TEST_F(FirmwareFileTest, UnreadableFileGivesTheSystemsReason) {
    QDir(dir_.path()).mkdir("klt-rpu_11_0.bin");
    for (const QString& path : {Path("gone.bin"), Path("klt-rpu_11_0.bin")}) {
        const FirmwareRead read = ReadFirmwareFile(path, FirmwareFamily::Receiver);
        EXPECT_EQ(read.result, FirmwareReadResult::Unreadable) << path.toStdString();
        EXPECT_EQ(read.file.status, FileStatus::OpenFailed) << path.toStdString();
        EXPECT_FALSE(read.file.reason.isEmpty()) << path.toStdString();
        EXPECT_TRUE(read.image.empty());
    }
}

TEST_F(FirmwareFileTest, FileWithoutReadPermissionIsUnreadable) {
    const QString path = Put("locked.bin", Image(Good, 74));
    QFile::setPermissions(path, QFile::WriteOwner);
    test::ScopedUnprivileged unprivileged;
    if (!unprivileged.Active())
        GTEST_SKIP() << "cannot leave the super-user";
    const FirmwareRead read = ReadFirmwareFile(path, FirmwareFamily::Receiver);
    EXPECT_EQ(read.result, FirmwareReadResult::Unreadable);
    EXPECT_FALSE(read.file.reason.isEmpty());
}

} // namespace
} // namespace tunbox
