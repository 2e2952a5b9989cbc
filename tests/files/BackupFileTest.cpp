#include "files/BackupFile.h"

#include "files/FilesTestSupport.h"
#include "files/LineFile.h"

namespace tunbox {
namespace {

class BackupFileTest : public test::TempFolderTest {};

// The configuration code is the file's last line, whatever the file's length.
TEST_F(BackupFileTest, ConfigurationCodeIsTheLastLine) {
    struct Case {
        QByteArray content;
        QString confCode;
        qsizetype lines;
    };
    QList<int> image(RegistrationImageLength, 3);
    image.last() = 17;
    const Case cases[] = {
        {test::NumberLines(image), "17", RegistrationImageLength},
        {"1\r\n2\r\n17\r\n", "17", 3},
        {"1\r2\r255", "255", 3},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        const BackupFileData data = ReadBackupFile(Put("a.rrg", c.content));
        ASSERT_TRUE(data.file.Ok());
        EXPECT_EQ(data.confCode, c.confCode) << c.content.left(20).toStdString();
        EXPECT_EQ(data.lines.size(), c.lines);
    }
}

TEST_F(BackupFileTest, SavedImageLoadsBackLineForLine) {
    QStringList lines;
    for (int k = 0; k < RegistrationImageLength; ++k)
        lines.append(QString::number(k % 256));
    const QString path = Path("klt_rpu_3_310127_object_12_conf_77.rrg");
    ASSERT_TRUE(WriteLines(path, lines).Ok());
    const BackupFileData data = ReadBackupFile(path);
    ASSERT_TRUE(data.file.Ok());
    EXPECT_EQ(data.lines, lines);
    EXPECT_EQ(data.confCode, "255");
}

// Every line becomes one value of the working image, whatever the file's length;
// a line that is no number refuses the file, naming the first such line.
TEST_F(BackupFileTest, LinesBecomeTheValuesOfTheWorkingImage) {
    struct Case {
        QByteArray content;
        std::vector<std::uint32_t> values;
        int badLine;
    };
    const Case cases[] = {
        {"1\r\n2\r\n17\r\n", {1, 2, 17}, 0},
        {"7\r300\r-1", {7, 300, 0xFFFFFFFFu}, 0}, // checked when written to the unit
        {"", {}, 0},
        {"1\r\nx\r\n3\r\ny\r\n", {}, 2},
        {"1\r\n\r\n3\r\n", {}, 2}, // an empty line is no number
        {"1\n2\n99999999999\n", {}, 3},
    };
    for (const Case& c : cases) {
        const BackupFileData data = ReadBackupFile(Put("a.rrg", c.content));
        ASSERT_TRUE(data.file.Ok());
        EXPECT_EQ(data.values, c.values) << c.content.toStdString();
        EXPECT_EQ(data.badLine, c.badLine) << c.content.toStdString();
    }
}

TEST_F(BackupFileTest, UnreadableFileKeepsTheSystemsReason) {
    const BackupFileData data = ReadBackupFile(Path("gone.rrg"));
    EXPECT_EQ(data.file.status, FileStatus::OpenFailed);
    EXPECT_FALSE(data.file.reason.isEmpty());
    EXPECT_TRUE(data.lines.isEmpty());
}

TEST(RegistrationImageFromLines, OnlyAFullImageOfByteValuesGoesToTheUnit) {
    const QStringList full(RegistrationImageLength, QStringLiteral("255"));
    struct Case {
        const char* what;
        QStringList lines;
        bool accepted;
    };
    auto with = [&](int k, const char* text) {
        QStringList lines = full;
        lines[k] = QString::fromLatin1(text);
        return lines;
    };
    const Case cases[] = {
        {"1792 lines", full, true},
        {"extra lines", full + QStringList{"x", "999"}, true},
        {"1791 lines", full.mid(1), false},
        {"settings file", QStringList(96, "0"), false},
        {"text", with(5, "x"), false},
        {"empty line", with(1791, ""), false},
        {"256", with(0, "256"), false},
        {"-1", with(100, "-1"), false},
        {"0 with blanks", with(7, " 0 "), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegistrationImageFromLines(c.lines).has_value(), c.accepted) << c.what;

    QStringList lines = full;
    lines[0] = "0";
    lines[1791] = "17";
    const auto image = RegistrationImageFromLines(lines);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), std::size_t{RegistrationImageLength});
    EXPECT_EQ((*image)[0], 0u);
    EXPECT_EQ((*image)[1], 255u);
    EXPECT_EQ((*image)[1791], 17u);
}

TEST(RegistrationImageFromValues, TakesTheFirst1792ByteValues) {
    std::vector<std::uint32_t> values(RegistrationImageLength, 255);
    EXPECT_TRUE(RegistrationImageFromValues(values));
    values.push_back(4000); // beyond the image: not sent, not checked
    const auto image = RegistrationImageFromValues(values);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), std::size_t{RegistrationImageLength});
    values[1791] = 256;
    EXPECT_FALSE(RegistrationImageFromValues(values));
    values[1791] = 0xFFFFFFFFu;
    EXPECT_FALSE(RegistrationImageFromValues(values));
    EXPECT_FALSE(RegistrationImageFromValues(std::vector<std::uint32_t>(1791, 0)));
}

} // namespace
} // namespace tunbox
