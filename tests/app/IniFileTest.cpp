#include "app/IniFile.h"

#include "AppTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

using test::ReadFile;
using test::WriteFile;

class IniFileTest : public ::testing::Test {
  protected:
    QString Path() const { return dir_.filePath(QStringLiteral("tunbox-rpu-klt.INI")); }
    QTemporaryDir dir_;
};

TEST_F(IniFileTest, ReadsKeysLikeTheProfileRoutines) {
    struct Case {
        const char* name;
        const char* content; // nullptr: no file
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"missing file", nullptr, "Language", "Default", "<default>"},
        {"missing section", "[Help]\nRU=help.pdf\n", "Language", "Default", "<default>"},
        {"missing key", "[Language]\nOther=1\n", "Language", "Default", "<default>"},
        {"plain", "[Language]\nDefault=EN\n", "Language", "Default", "EN"},
        {"names ignore case", "[LANGUAGE]\ndefault=EN\n", "Language", "Default", "EN"},
        {"blanks around names and value", "  [ Language ]  \n  Default  =  EN  \n", "Language",
         "Default", "EN"},
        {"quoted value", "[Help]\nRU=\" help ru.pdf \"\n", "Help", "RU", " help ru.pdf "},
        {"empty value is not the default", "[Language]\nDefault=\n", "Language", "Default", ""},
        {"value keeps later '='", "[Help]\nRU=a=b\n", "Help", "RU", "a=b"},
        {"CR LF lines", "[Language]\r\nDefault=EN\r\n", "Language", "Default", "EN"},
        {"commented key ignored", "[Language]\n;Default=DE\nDefault=EN\n", "Language", "Default",
         "EN"},
        {"first of two keys", "[Language]\nDefault=EN\nDefault=DE\n", "Language", "Default", "EN"},
        {"first of two sections", "[Language]\nDefault=EN\n[Language]\nDefault=DE\n", "Language",
         "Default", "EN"},
        {"key of another section", "[Help]\nDefault=EN\n[Language]\n", "Language", "Default",
         "<default>"},
        {"key before any section", "Default=EN\n[Language]\n", "Language", "Default", "<default>"},
        {"UTF-8 with mark", "\xEF\xBB\xBF[Help]\nRU=Справка.pdf\n", "Help", "RU", "Справка.pdf"},
        {"no final line break", "[Language]\nDefault=EN", "Language", "Default", "EN"},
    };
    for (const Case& c : cases) {
        QFile::remove(Path());
        if (c.content)
            WriteFile(Path(), c.content);
        EXPECT_EQ(IniFile::ReadString(Path(), QString::fromUtf8(c.section),
                                      QString::fromUtf8(c.key), QStringLiteral("<default>")),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

// A hand-written settings file: every comment, blank line, other key and section
// stays byte for byte; only the written value changes.
TEST_F(IniFileTest, WritingAValueKeepsEveryOtherLine) {
    const QByteArray before = "; Tunbox settings, edited by hand\r\n"
                              "\r\n"
                              "[Language]\r\n"
                              "; the interface language\r\n"
                              "Default = RU\r\n"
                              "Spare=1\r\n"
                              "\r\n"
                              "[Help]\r\n"
                              "; one help file per language\r\n"
                              "RU=Справка.pdf\r\n"
                              "EN=help en.pdf\r\n";
    WriteFile(Path(), before);

    ASSERT_TRUE(IniFile::WriteString(Path(), QStringLiteral("Language"), QStringLiteral("Default"),
                                     QStringLiteral("EN")));

    QByteArray expected = before;
    expected.replace("Default = RU", "Default=EN");
    EXPECT_EQ(ReadFile(Path()), expected);
    EXPECT_EQ(IniFile::ReadString(Path(), QStringLiteral("Help"), QStringLiteral("RU")),
              QStringLiteral("Справка.pdf"));
}

TEST_F(IniFileTest, WritingAddsWhatIsMissing) {
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        {"new file", nullptr, "Language", "Default", "RU", "[Language]\r\nDefault=RU\r\n"},
        {"empty file", "", "Language", "Default", "RU", "[Language]\r\nDefault=RU\r\n"},
        {"new section after the others", "; top\n[Help]\nRU=a.pdf\n", "Language", "Default", "EN",
         "; top\n[Help]\nRU=a.pdf\n\n[Language]\nDefault=EN\n"},
        {"new key after the section's last line", "[Language]\nOther=1\n\n; help\n[Help]\nRU=a\n",
         "Language", "Default", "EN", "[Language]\nOther=1\nDefault=EN\n\n; help\n[Help]\nRU=a\n"},
        // A comment after the last key belongs to what follows it.
        {"new key before a trailing comment", "[Help]\nRU=a\n; end\n", "Help", "EN", "b",
         "[Help]\nRU=a\nEN=b\n; end\n"},
        {"new key in an empty section", "[Help]\n; none yet\n", "Help", "EN", "b",
         "[Help]\nEN=b\n; none yet\n"},
        {"names ignore case", "[LANGUAGE]\r\ndefault=RU\r\n", "Language", "Default", "EN",
         "[LANGUAGE]\r\ndefault=EN\r\n"},
        {"only the first of two keys", "[Language]\nDefault=RU\nDefault=DE\n", "Language",
         "Default", "EN", "[Language]\nDefault=EN\nDefault=DE\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[Language]\nDefault=RU\n", "Language", "Default",
         "EN", "\xEF\xBB\xBF[Language]\nDefault=EN\n"},
        {"no final line break kept", "[Language]\nDefault=RU", "Language", "Default", "EN",
         "[Language]\nDefault=EN"},
        {"empty value", "[Language]\nDefault=RU\n", "Language", "Default", "",
         "[Language]\nDefault=\n"},
    };
    for (const Case& c : cases) {
        QFile::remove(Path());
        if (c.before)
            WriteFile(Path(), c.before);
        EXPECT_TRUE(IniFile::WriteString(Path(), QString::fromUtf8(c.section),
                                         QString::fromUtf8(c.key), QString::fromUtf8(c.value)))
            << c.name;
        EXPECT_EQ(ReadFile(Path()), QByteArray(c.after)) << c.name;
    }
}

TEST_F(IniFileTest, RefusedWritesLeaveTheFileAlone) {
    const QByteArray before = "[Language]\nDefault=RU\n";
    WriteFile(Path(), before);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"Language", "Default", "EN\n[Evil]"},
        {"Language", "Default", "EN\rX"},
        {"Language", "De=fault", "EN"},
        {"Lang]uage", "Default", "EN"},
        {"Language", "  ", "EN"},
        {"Language", ";Default", "EN"},
        {"Language", "[Default]", "EN"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(IniFile::WriteString(Path(), QString::fromUtf8(c.section),
                                          QString::fromUtf8(c.key), QString::fromUtf8(c.value)))
            << c.section << "/" << c.key;
        EXPECT_EQ(ReadFile(Path()), before);
    }
}

TEST_F(IniFileTest, UnwritableFolderFailsWithoutFile) {
    const QString path = dir_.filePath(QStringLiteral("missing-folder/tunbox-rpu-klt.INI"));
    EXPECT_FALSE(IniFile::WriteString(path, QStringLiteral("Language"), QStringLiteral("Default"),
                                      QStringLiteral("EN")));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(IniFile::ReadString(path, QStringLiteral("Language"), QStringLiteral("Default"),
                                  QStringLiteral("RU")),
              QStringLiteral("RU"));
}

} // namespace
} // namespace tunbox
