// The page "Режимы реле и выхода ОК" driven with the mouse and keyboard: the mode
// rules reach the widgets, every act goes through the model, and the factory
// defaults show.
#include "PageTestSupport.h"

#include "model/FactoryDefaults.h"
#include "model/RelePageState.h"
#include "model/UnitContext.h"
#include "ui/settings/ReleSettingsPage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace tunbox {
namespace {

using pagetest::ClickIndicator;
using pagetest::Items;
using pagetest::Snapshot;

const char* const kEventPrefixes[] = {
    "AlarmEvent", "BoxDamage",     "OnOffLine", "OnOffAllLine", "ErrorFire", "NoConnect",
    "ErrorPower", "RadioChanBlck", "DamageCD",  "SelfDamage",   "NoLine",    "PowerCD",
};

using RelePageTest = pagetest::PageTest<ReleSettingsPage>;

// One row per mode rule to check: which event boxes end up checked and enabled,
// and what each list shows.
struct ListView {
    int index;
    const char* text;
    bool enabled;
    int items;
};
struct ModeCase {
    int output;
    int mode;
    UnitContext context;
    std::set<std::string> checked;
    std::set<std::string> enabled;
    ListView open, close, duration, inversion;
};

TEST_F(RelePageTest, ClickingAModeAppliesItsRuleToTheWidgets) {
    const std::set<std::string> nineEditable = {"AlarmEvent", "OnOffLine",     "OnOffAllLine",
                                                "ErrorFire",  "RadioChanBlck", "DamageCD",
                                                "SelfDamage", "NoLine",        "PowerCD"};
    const UnitContext noUnit{};
    const UnitContext demo{true, -1, false};
    const UnitContext repeaterWithRtr{false, 0, true};
    const UnitContext repeaterWithRpu{false, 0, false};
    const ModeCase cases[] = {
        {2,
         6,
         noUnit,
         {},
         nineEditable,
         {0, "---", true, 256},
         {0, "---", true, 256},
         {0, "---", true, 256},
         {0, "Нет ", true, 2}},
        {1,
         5,
         noUnit,
         {"OnOffLine"},
         {},
         {0, "---", false, 256},
         {20, "10,0 с.", false, 256},
         {0, "---", false, 256},
         {0, "Нет ", false, 2}},
        {1,
         1,
         noUnit,
         {"AlarmEvent", "OnOffAllLine"},
         {},
         {1, "0,5 с.", false, 256},
         {1, "0,5 с.", false, 256},
         {255, "пост.", false, 256},
         {0, "Нет ", false, 2}},
        {3,
         2,
         noUnit,
         {"OnOffAllLine"},
         {},
         {0, "---", false, 256},
         {255, "пост.", false, 256},
         {0, "---", false, 256},
         {0, "Нет ", false, 2}},
        {3,
         4,
         noUnit,
         {"AlarmEvent"},
         {},
         {255, "пост./ 1 c.", false, 256},
         {0, "---/ 1 c.", false, 256},
         {0, "---", false, 256},
         {0, "Нет ", false, 2}},
        {3,
         3,
         demo,
         {"AlarmEvent"},
         {},
         {255, "пост./ 1 c.", false, 256},
         {0, "---/ 1 c.", false, 256},
         {0, "10 мин.", true, 246},
         {1, "Да", false, 2}},
        {2,
         3,
         repeaterWithRtr,
         {"AlarmEvent"},
         {},
         {255, "пост.", false, 256},
         {0, "---", false, 256},
         {0, "10 мин.", true, 246},
         {1, "Да", false, 2}},
        {2,
         3,
         repeaterWithRpu,
         {"AlarmEvent"},
         {},
         {255, "пост.", false, 256},
         {0, "---", false, 256},
         {-1, "", false, 246},
         {1, "Да", false, 2}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "output " << c.output << " mode " << c.mode);
        page.Model().SetState(ReleInitialState());
        page.SetContextSource([context = c.context] { return context; });
        ClickMode(c.output, c.mode);

        EXPECT_TRUE(ModeItem(c.output, c.mode)->isChecked());
        EXPECT_EQ(page.Model().State().Output(c.output).mode, c.mode);
        for (const char* prefix : kEventPrefixes) {
            QCheckBox* box = Box(prefix, c.output);
            EXPECT_EQ(box->isChecked(), c.checked.count(prefix) == 1) << prefix;
            EXPECT_EQ(box->isEnabled(), c.enabled.count(prefix) == 1) << prefix;
        }
        const std::array<std::pair<const char*, ListView>, 4> lists = {{
            {"TimeRzmk", c.open},
            {"TimeZmk", c.close},
            {"TimePeriod", c.duration},
            {"InvRele", c.inversion},
        }};
        for (const auto& [prefix, view] : lists) {
            QComboBox* list = List(prefix, c.output);
            EXPECT_EQ(list->count(), view.items) << prefix;
            EXPECT_EQ(list->currentIndex(), view.index) << prefix;
            EXPECT_EQ(list->currentText(), QString::fromUtf8(view.text)) << prefix;
            EXPECT_EQ(list->isEnabled(), view.enabled) << prefix;
        }
    }
}

TEST_F(RelePageTest, ListsHoldTheTimeTextsOfTheirOutput) {
    ClickMode(3, 6);
    ClickMode(1, 6);
    const QStringList open3 = Items(List("TimeRzmk", 3));
    ASSERT_EQ(open3.size(), 256);
    EXPECT_EQ(open3.front(), QStringLiteral("---"));
    EXPECT_EQ(open3[1], QStringLiteral("0,5 с."));
    EXPECT_EQ(open3[254], QStringLiteral("127,0 с."));
    EXPECT_EQ(open3.back(), QStringLiteral("пост./ 1 c."));
    EXPECT_EQ(Items(List("TimeRzmk", 1)).back(), QStringLiteral("пост."));
    EXPECT_EQ(Items(List("TimeZmk", 3)).front(), QStringLiteral("---/ 1 c."));
    const QStringList duration = Items(List("TimePeriod", 1));
    ASSERT_EQ(duration.size(), 256);
    EXPECT_EQ(duration[11], QStringLiteral("55 с."));
    EXPECT_EQ(duration[13], QStringLiteral("1 мин. 5 с."));
    EXPECT_EQ(duration[254], QStringLiteral("21 мин. 10 с."));
    EXPECT_EQ(duration[255], QStringLiteral("пост."));

    // Switching to "Звуковой" swaps in the minute list; leaving it swaps back.
    page.SetContextSource([] { return UnitContext{true, -1, false}; });
    ClickMode(1, 3);
    const QStringList minutes = Items(List("TimePeriod", 1));
    ASSERT_EQ(minutes.size(), 246);
    EXPECT_EQ(minutes[244], QStringLiteral("254 мин."));
    EXPECT_EQ(minutes[245], QStringLiteral("пост."));
    ClickMode(1, 4);
    EXPECT_EQ(Items(List("TimePeriod", 1)), duration);
}

TEST_F(RelePageTest, RunningTheModeHandlerTwiceEqualsRunningItOnce) {
    for (int o = 1; o <= 3; ++o) {
        // Each click changes the mode (the page starts at entry 0), so each runs the rule.
        for (int mode : {1, 2, 3, 4, 5, 6, 0}) {
            ClickMode(o, mode);
            ASSERT_EQ(page.Model().State().Output(o).mode, mode);
            const PageState once = page.Model().State();
            const auto shownOnce = Snapshot(&page);
            page.ReleWorkMode1Click(
                page.findChild<QGroupBox*>(QStringLiteral("ReleWorkMode%1").arg(o)));
            EXPECT_EQ(page.Model().State(), once) << o << " " << mode;
            EXPECT_EQ(Snapshot(&page), shownOnce) << o << " " << mode;
        }
    }
}

TEST_F(RelePageTest, HandlerIgnoresSendersThatAreNoModeGroup) {
    ClickMode(2, 6);
    ClickIndicator(Box("SelfDamage", 2));
    const PageState before = page.Model().State();
    const auto shown = Snapshot(&page);
    QObject stranger;
    stranger.setObjectName(QStringLiteral("ReleWorkMode4"));
    page.ReleWorkMode1Click(&stranger);
    page.ReleWorkMode1Click(Box("AlarmEvent", 2));
    page.ReleWorkMode1Click(nullptr);
    EXPECT_EQ(page.Model().State(), before);
    EXPECT_EQ(Snapshot(&page), shown);
}

TEST_F(RelePageTest, ChangingTheModeDiscardsEarlierChoicesButReclickingKeepsThem) {
    ClickMode(2, 6);
    ClickIndicator(Box("SelfDamage", 2));
    QComboBox* open = List("TimeRzmk", 2);
    open->setFocus();
    QTest::keyClick(open, Qt::Key_Down);
    QTest::keyClick(open, Qt::Key_Down);
    ASSERT_TRUE(Box("SelfDamage", 2)->isChecked());
    ASSERT_EQ(open->currentIndex(), 2);

    // A click on the entry already selected is no change.
    ClickMode(2, 6);
    EXPECT_TRUE(Box("SelfDamage", 2)->isChecked());
    EXPECT_EQ(open->currentIndex(), 2);
    EXPECT_EQ(page.Model().State().Output(2).List(OptionList::TimeRzmk).index, 2);

    ClickMode(2, 4);
    ClickMode(2, 6);
    EXPECT_FALSE(Box("SelfDamage", 2)->isChecked());
    EXPECT_EQ(open->currentIndex(), 0);
}

TEST_F(RelePageTest, UserActsReachTheModelAndThePackedBlock) {
    // Relay 2 in "Специальный": every editable event box, clicked on, lands in its byte.
    ClickMode(2, 6);
    struct Case {
        const char* prefix;
        ReleEvent event;
        int byte;
    };
    const Case stored[] = {
        {"SelfDamage", ReleEvent::SelfDamage, 16}, {"RadioChanBlck", ReleEvent::RadioChanBlck, 17},
        {"DamageCD", ReleEvent::DamageCD, 18},     {"PowerCD", ReleEvent::PowerCD, 19},
        {"AlarmEvent", ReleEvent::AlarmEvent, 21}, {"ErrorFire", ReleEvent::ErrorFire, 23},
        {"OnOffLine", ReleEvent::OnOffLine, 26},   {"OnOffAllLine", ReleEvent::OnOffAllLine, 27},
        {"NoLine", ReleEvent::NoLine, 28},
    };
    for (const Case& c : stored) {
        ClickIndicator(Box(c.prefix, 2));
        EXPECT_TRUE(Box(c.prefix, 2)->isChecked()) << c.prefix;
        EXPECT_TRUE(page.Model().State().Output(2).Event(c.event).checked) << c.prefix;
    }
    // Partition 5 of relay 2, partition 16 of the ОК output.
    page.Tabs()->setCurrentIndex(1);
    ClickIndicator(Box("privrele", 2, 5));
    page.Tabs()->setCurrentIndex(2);
    ClickIndicator(Box("privrele", 3, 16));
    // Inversion "Да" and close time 1.0 с. chosen with the keyboard.
    page.Tabs()->setCurrentIndex(1);
    for (const char* prefix : {"InvRele", "TimeZmk"}) {
        QComboBox* list = List(prefix, 2);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }
    QTest::keyClick(List("TimeZmk", 2), Qt::Key_Down);

    std::vector<quint32> block(ReleImageLength, 0);
    ASSERT_TRUE(page.PackReleImage(block));
    for (const Case& c : stored)
        EXPECT_EQ(block[static_cast<size_t>(c.byte)], 2u) << c.prefix;
    EXPECT_EQ(block[4], 2u);
    EXPECT_EQ(block[15], 4u);
    EXPECT_EQ(block[32], 2u);
    EXPECT_EQ(block[36], 2u); // close time of relay 2: index 2 = 1.0 с.
    EXPECT_EQ(block[43], 7u); // relay 2 "Специальный"
    EXPECT_EQ(block[42], 1u); // relay 1 still at the first entry

    // Boxes the rule disabled refuse the click, in the model and on screen.
    QCheckBox* boxDamage = Box("BoxDamage", 2);
    ClickIndicator(boxDamage);
    EXPECT_FALSE(boxDamage->isChecked());
    EXPECT_FALSE(page.Model().State().Output(2).Event(ReleEvent::BoxDamage).checked);
}

TEST_F(RelePageTest, FactoryDefaultsShowInTheWidgetsAndPackAsDefaults) {
    page.ApplyFactoryDefaults();
    EXPECT_TRUE(ModeItem(1, 6)->isChecked());
    EXPECT_TRUE(ModeItem(2, 6)->isChecked());
    EXPECT_TRUE(ModeItem(3, 3)->isChecked());
    for (int p = 1; p <= 16; ++p) {
        EXPECT_EQ(Box("privrele", 1, p)->isChecked(), p <= 8) << p;
        EXPECT_EQ(Box("privrele", 2, p)->isChecked(), p > 8) << p;
        EXPECT_TRUE(Box("privrele", 3, p)->isChecked()) << p;
    }
    for (int o = 1; o <= 3; ++o) {
        EXPECT_TRUE(Box("AlarmEvent", o)->isChecked());
        EXPECT_EQ(Box("ErrorFire", o)->isChecked(), o < 3);
        EXPECT_EQ(Box("OnOffAllLine", o)->isChecked(), o < 3);
        EXPECT_EQ(Box("NoLine", o)->isChecked(), o < 3);
        EXPECT_FALSE(Box("OnOffLine", o)->isChecked());
        EXPECT_EQ(List("InvRele", o)->currentText(),
                  o == 3 ? QStringLiteral("Да") : QStringLiteral("Нет "));
        EXPECT_EQ(List("TimeRzmk", o)->currentIndex(), 255);
        EXPECT_EQ(List("TimeZmk", o)->currentIndex(), 0);
    }
    EXPECT_EQ(List("TimeRzmk", 3)->currentText(), QStringLiteral("пост./ 1 c."));
    EXPECT_EQ(List("TimePeriod", 1)->currentText(), QStringLiteral("---"));
    EXPECT_EQ(List("TimePeriod", 3)->currentText(), QStringLiteral("10 мин."));
    EXPECT_TRUE(Box("SelfDamage", 1)->isEnabled());
    EXPECT_FALSE(Box("SelfDamage", 3)->isEnabled());

    std::vector<quint32> block(ReleImageLength, 0);
    ASSERT_TRUE(page.PackReleImage(block));
    EXPECT_EQ(block[41], 10u);
    const std::array<quint32, SettingsImageLength>& defaults = FactoryDefaults();
    for (int b = 0; b < ReleImageLength; ++b) {
        if (b != 41) {
            EXPECT_EQ(block[static_cast<size_t>(b)], defaults[static_cast<size_t>(b)]) << b;
        }
    }
}

} // namespace
} // namespace tunbox
