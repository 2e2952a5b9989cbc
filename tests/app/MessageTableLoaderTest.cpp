#include "app/MessageTableLoader.h"

#include "app/BuiltInMessages.h"
#include "app/LanguageModule.h"
#include "app/LanguageState.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <set>

namespace tunbox {
namespace {

using test::ProgramFixture;

QString ModuleText(int id) {
    return QStringLiteral("Message %1").arg(id);
}

TEST(FillMessageTable, StopsAtTheFirstMissingTextAndKeepsLaterSlots) {
    MessageTable table;
    for (int id = 10001; id <= 10010; ++id)
        table.SetText(id, QStringLiteral("old %1").arg(id));
    const std::set<int> defined = {10001, 10002, 10003, 10005, 10006};
    std::set<int> asked;
    FillMessageTable(table, [&](int id) {
        asked.insert(id);
        return defined.count(id) ? QStringLiteral("new %1").arg(id) : QString();
    });
    EXPECT_EQ(asked, (std::set<int>{10001, 10002, 10003, 10004}));
    EXPECT_EQ(table.Text(10003), QStringLiteral("new 10003"));
    EXPECT_EQ(table.Text(10004), QStringLiteral("old 10004"));
    EXPECT_EQ(table.Text(10005), QStringLiteral("old 10005"));
}

TEST(FillMessageTable, FillsAtMostTheThousandSlots) {
    MessageTable table;
    int highest = 0;
    FillMessageTable(table, [&](int id) {
        highest = std::max(highest, id);
        return QString::number(id);
    });
    EXPECT_EQ(highest, 11000);
    EXPECT_EQ(table.Text(11000), QStringLiteral("11000"));
}

class LoadMessageTableTest : public ProgramFixture {
  protected:
    void Record(const char* code) {
        ASSERT_TRUE(SetDefaultLocaleReg(paths_.executable, QString::fromUtf8(code)));
    }
};

// Which texts a recorded language code fills the catalogue with. "RU" and an empty
// code mean the built-in texts; any other code, even "ru", means a module.
TEST_F(LoadMessageTableTest, TextSourceFollowsTheRecordedCode) {
    enum class Expect { BuiltIn, Module };
    struct Case {
        const char* code;
        const char* installedAs; // extension of the installed module, nullptr: none
        Expect expect;
    };
    const Case cases[] = {
        {"", "EN", Expect::BuiltIn},      {"RU", "RU", Expect::BuiltIn},
        {"ru", nullptr, Expect::BuiltIn}, {"ru", "ru", Expect::Module},
        {"EN", "EN", Expect::Module},     {"ENU", "EN", Expect::Module},
        {"DE", "EN", Expect::BuiltIn},
    };
    for (const Case& c : cases) {
        QDir(paths_.Folder()).removeRecursively();
        QDir().mkpath(paths_.Folder());
        if (c.installedAs)
            InstallModule(QStringLiteral("stops_at_10050"), QString::fromUtf8(c.installedAs));
        Record(c.code);
        Messages().Clear();

        LoadMessageTable();

        if (c.expect == Expect::BuiltIn) {
            for (int id = FirstBuiltInMessageId; id <= LastBuiltInMessageId; ++id)
                ASSERT_EQ(Msg(id), BuiltInMessage(id)) << c.code << " " << id;
            EXPECT_EQ(Msg(LastBuiltInMessageId + 1), QString()) << c.code;
        } else {
            EXPECT_EQ(Msg(10001), ModuleText(10001)) << c.code;
            EXPECT_EQ(Msg(10050), ModuleText(10050)) << c.code;
            EXPECT_EQ(Msg(10051), QString()) << c.code;
        }
    }
}

// A module whose catalogue stops at 10050 (it skips 10051 and has 10052): at
// start-up the later messages are empty; after Russian they stay Russian.
TEST_F(LoadMessageTableTest, ModuleThatStopsAt10050) {
    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("EN"));

    Record("EN");
    LoadMessageTable();
    EXPECT_EQ(Msg(10050), ModuleText(10050));
    EXPECT_EQ(Msg(10051), QString());
    EXPECT_EQ(Msg(10052), QString());
    EXPECT_EQ(Msg(10087), QString());

    Messages().Clear();
    Record("RU");
    LoadMessageTable();
    Record("EN");
    LoadMessageTable();
    for (int id = 10001; id <= 10050; ++id)
        ASSERT_EQ(Msg(id), ModuleText(id)) << id;
    for (int id = 10051; id <= LastBuiltInMessageId; ++id)
        ASSERT_EQ(Msg(id), BuiltInMessage(id)) << id;
}

// Texts are kept to 254 characters; a character made of two UTF-16 units is never
// split at the limit.
TEST_F(LoadMessageTableTest, LongTextsAreCutTo254Characters) {
    InstallModule(QStringLiteral("long_texts"), QStringLiteral("DE"));
    const auto module = LanguageModule::LoadForExtension(paths_, QStringLiteral("DE"));
    ASSERT_NE(module, nullptr);
    Record("DE");
    LoadMessageTable();

    struct Case {
        int id;
        int moduleLength;
        int keptLength;
    };
    const Case cases[] = {
        {10001, 300, 254}, {10002, 255, 254}, {10003, 254, 254},
        {10004, 253, 253}, {10005, 255, 253}, // the pair at units 254..255 is dropped whole
    };
    for (const Case& c : cases) {
        const QString full = module->Message(c.id);
        ASSERT_EQ(full.size(), c.moduleLength) << c.id;
        EXPECT_EQ(Msg(c.id), full.left(c.keptLength)) << c.id;
    }
    EXPECT_EQ(Msg(10006), QString());
}

} // namespace
} // namespace tunbox
