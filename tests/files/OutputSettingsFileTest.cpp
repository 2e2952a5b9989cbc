#include "files/OutputSettingsFile.h"

#include "files/FilesTestSupport.h"
#include "files/LineFile.h"

namespace tunbox {
namespace {

// 96 lines "0", with the given lines replaced (index = byte number).
QStringList Lines(std::initializer_list<std::pair<int, QString>> changes, int count = 96) {
    QStringList lines(count, QStringLiteral("0"));
    for (const auto& [k, text] : changes)
        lines[k] = text;
    return lines;
}

// What each kind of settings file gives on each page, the page's own unpacking
// deciding which values pass.
TEST(CheckSettingsLines, RefusesShortNonNumericAndOutOfRangeFiles) {
    struct Case {
        const char* what;
        QStringList lines;
        SettingsPage page;
        SettingsFileResult result;
        int line = 0;
        RejectedCell cell{};
    };
    const Case cases[] = {
        {"all zeros, relay page", Lines({}), SettingsPage::Rele, SettingsFileResult::Ok},
        {"all zeros, receiver page", Lines({}), SettingsPage::Rpu, SettingsFileResult::Ok},
        {"100 lines", Lines({{99, "junk"}}, 100), SettingsPage::Rele, SettingsFileResult::Ok},
        {"95 lines", Lines({}, 95), SettingsPage::Rele, SettingsFileResult::TooFewLines},
        {"no lines", {}, SettingsPage::Rpu, SettingsFileResult::TooFewLines},
        {"text in line 7", Lines({{6, "x"}}), SettingsPage::Rele, SettingsFileResult::NotANumber,
         7},
        {"empty line 96", Lines({{95, ""}}), SettingsPage::Rpu, SettingsFileResult::NotANumber, 96},
        {"first of two bad lines", Lines({{3, "a"}, {1, "b"}}), SettingsPage::Rele,
         SettingsFileResult::NotANumber, 2},
        {"8 in byte 5",
         Lines({{5, "8"}}),
         SettingsPage::Rele,
         SettingsFileResult::BadValue,
         0,
         {5, 8}},
        {"mode 9 for output 2",
         Lines({{43, "9"}}),
         SettingsPage::Rele,
         SettingsFileResult::BadValue,
         0,
         {43, 9}},
        {"-1 in a mask byte",
         Lines({{16, "-1"}}),
         SettingsPage::Rele,
         SettingsFileResult::BadValue,
         0,
         {16, 0xFFFFFFFFu}},
        {"300 in byte 33",
         Lines({{33, "300"}}),
         SettingsPage::Rele,
         SettingsFileResult::BadValue,
         0,
         {33, 300}},
        {"300 in byte 20, never tested", Lines({{20, "300"}}), SettingsPage::Rele,
         SettingsFileResult::Ok},
        {"byte 16 = 9 and byte 2 = 8: test order",
         Lines({{16, "9"}, {2, "8"}}),
         SettingsPage::Rele,
         SettingsFileResult::BadValue,
         0,
         {2, 8}},
        {"binding 0x78",
         Lines({{50, "120"}}),
         SettingsPage::Rpu,
         SettingsFileResult::BadValue,
         0,
         {50, 120}},
        {"binding 0x0F", Lines({{50, "15"}}), SettingsPage::Rpu, SettingsFileResult::Ok},
        {"300 in byte 92",
         Lines({{92, "300"}}),
         SettingsPage::Rpu,
         SettingsFileResult::BadValue,
         0,
         {92, 300}},
        {"relay-page values on the receiver page", Lines({{5, "8"}, {42, "9"}}), SettingsPage::Rpu,
         SettingsFileResult::Ok},
        {"receiver-page values on the relay page", Lines({{49, "85"}, {50, "119"}, {93, "4"}}),
         SettingsPage::Rele, SettingsFileResult::Ok},
    };
    for (const Case& c : cases) {
        const SettingsFileData data = CheckSettingsLines(c.lines, c.page);
        EXPECT_EQ(data.result, c.result) << c.what;
        EXPECT_EQ(data.line, c.line) << c.what;
        if (c.result == SettingsFileResult::BadValue) {
            EXPECT_EQ(data.cell, c.cell) << c.what;
        }
        EXPECT_EQ(data.lines, c.lines) << c.what;
        EXPECT_EQ(data.lineCount, c.lines.size()) << c.what;
    }
}

TEST(CheckSettingsLines, AcceptedFileGivesItsFirst96Values) {
    QStringList lines = Lines({{0, "7"}, {20, "300"}, {42, "+3"}, {95, " 7 "}}, 97);
    lines[96] = QStringLiteral("99");
    const SettingsFileData data = CheckSettingsLines(lines, SettingsPage::Rele);
    ASSERT_EQ(data.result, SettingsFileResult::Ok);
    std::array<quint32, SettingsImageLength> expected{};
    expected[0] = 7;
    expected[20] = 300;
    expected[42] = 3;
    expected[95] = 7;
    EXPECT_EQ(data.image, expected);
}

TEST(SettingsFileLines, NinetySixDecimalLinesOfTheImage) {
    std::array<quint32, 256> block{};
    block[0] = 5;
    block[49] = 0x55;
    block[95] = 255;
    block[96] = 9; // beyond the file
    const QStringList lines = SettingsFileLines(block);
    ASSERT_EQ(lines.size(), SettingsImageLength);
    EXPECT_EQ(lines[0], "5");
    EXPECT_EQ(lines[49], "85");
    EXPECT_EQ(lines[95], "255");
    EXPECT_EQ(lines.count("0"), 93);

    const std::array<quint32, 3> shortImage = {1, 2, 3};
    EXPECT_EQ(SettingsFileLines(shortImage), QStringList({"1", "2", "3"}) + QStringList(93, "0"));
}

class SettingsFileTest : public test::TempFolderTest {};

// Saved and loaded through the real files: what a save writes loads back as the
// same block, whatever the line endings.
TEST_F(SettingsFileTest, SavedFileLoadsBackWithAnyLineEnding) {
    std::array<quint32, SettingsImageLength> image{};
    image[0] = 7;
    image[33] = 255;
    image[42] = 6;
    const QString path = Path("klt_rtr.cfg");
    ASSERT_TRUE(WriteLines(path, SettingsFileLines(image)).Ok());
    const QByteArray written = Bytes(path);
    EXPECT_EQ(written.count("\r\n"), 96);
    EXPECT_TRUE(written.endsWith("0\r\n"));

    for (const char* ending : {"\r\n", "\r", "\n"}) {
        QByteArray converted = written;
        converted.replace("\r\n", ending);
        const SettingsFileData data =
            ReadSettingsFile(Put("converted.cfg", converted), SettingsPage::Rele);
        ASSERT_EQ(data.result, SettingsFileResult::Ok) << ending;
        EXPECT_EQ(data.image, image) << ending;
    }
}

TEST_F(SettingsFileTest, ValuesOutOfRangeInARealFileAreRefusedNamingByteAndValue) {
    struct Case {
        int byte;
        int value;
        RejectedCell cell;
    };
    const Case cases[] = {{33, 300, {33, 300}}, {3, -1, {3, 0xFFFFFFFFu}}};
    for (const Case& c : cases) {
        QList<int> values(96, 0);
        values[c.byte] = c.value;
        const SettingsFileData data =
            ReadSettingsFile(Put("bad.cfg", test::NumberLines(values)), SettingsPage::Rele);
        EXPECT_EQ(data.result, SettingsFileResult::BadValue) << c.value;
        EXPECT_EQ(data.cell, c.cell) << c.value;
    }
}

TEST_F(SettingsFileTest, UnreadableFileKeepsTheSystemsReason) {
    const SettingsFileData data = ReadSettingsFile(Path("missing.cfg"), SettingsPage::Rpu);
    EXPECT_EQ(data.result, SettingsFileResult::Unreadable);
    EXPECT_EQ(data.file.status, FileStatus::OpenFailed);
    EXPECT_FALSE(data.file.reason.isEmpty());
    EXPECT_TRUE(data.lines.isEmpty());
}

} // namespace
} // namespace tunbox
