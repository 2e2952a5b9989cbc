// The page "Режимы реле и выхода ОК (РПУ в автономном режиме)" driven with the
// mouse and keyboard: the mode buttons apply their rules, every act goes through
// the model, and the factory defaults show.
#include "PageTestSupport.h"

#include "model/RpuPageState.h"
#include "ui/settings/RpuSettingsPage.h"

#include <QApplication>
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
    "AlarmEventRPU",    "ErrorFireRPU",  "AhtungFireIIRPU", "OnOfLineRPU",
    "OnAllLineRPU",     "PowerCDRPU",    "DamageIIRPU",     "NoLinkRPU",
    "RadioChanBlckRPU", "ErrorPowerRPU", "BoxDamageRPU",    "SelfDamageRPU",
};

class RpuPageTest : public pagetest::PageTest<RpuSettingsPage> {
  protected:
    // Mode button m (1..7) of output o, by its own name.
    QRadioButton* Button(int o, int m) {
        return Find<QRadioButton>(QStringLiteral("RadioButton%1%2").arg(o).arg(m));
    }
    // A user's click on mode button m (1..7) of output o, on the tab of its output.
    void ClickButton(int o, int m) {
        page.Tabs()->setCurrentIndex(o - 1);
        QApplication::processEvents();
        ClickIndicator(Button(o, m));
    }
};

struct ListView {
    int index;
    const char* text;
    bool enabled;
};
struct ModeCase {
    int output;
    int button; // 1..7
    std::set<std::string> checked;
    std::set<std::string> enabled;
    ListView open, close, duration, inversion;
};

TEST_F(RpuPageTest, ClickingAModeButtonAppliesItsRuleToTheWidgets) {
    const std::set<std::string> specialEnabled = {
        "AlarmEventRPU", "ErrorFireRPU",     "AhtungFireIIRPU", "PowerCDRPU",   "DamageIIRPU",
        "NoLinkRPU",     "RadioChanBlckRPU", "ErrorPowerRPU",   "BoxDamageRPU", "SelfDamageRPU"};
    const ModeCase cases[] = {
        {3,
         7,
         {"AlarmEventRPU"},
         specialEnabled,
         {0, "---", true},
         {0, "---/ 1 c.", true},
         {0, "---", true},
         {0, "Нет ", true}},
        {3,
         4,
         {"AlarmEventRPU"},
         {},
         {255, "пост./ 1 c.", false},
         {0, "---/ 1 c.", false},
         {24, "2 мин.", true},
         {1, "Да", false}},
        {1,
         4,
         {"AlarmEventRPU"},
         {},
         {255, "пост.", false},
         {0, "---", false},
         {0, "---", true},
         {1, "Да", false}},
        {2,
         5,
         {"AlarmEventRPU"},
         {},
         {255, "пост.", false},
         {0, "---", false},
         {0, "---", false},
         {0, "Нет ", false}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "output " << c.output << " button " << c.button);
        page.Model().SetState(RpuInitialState());
        ClickButton(c.output, c.button);

        for (int m = 1; m <= 7; ++m)
            EXPECT_EQ(Button(c.output, m)->isChecked(), m == c.button) << m;
        EXPECT_EQ(page.Model().State().Output(c.output).mode, c.button - 1);
        for (const char* prefix : kEventPrefixes) {
            QCheckBox* box = Box(prefix, c.output);
            EXPECT_EQ(box->isChecked(), c.checked.count(prefix) == 1) << prefix;
            EXPECT_EQ(box->isEnabled(), c.enabled.count(prefix) == 1) << prefix;
        }
        EXPECT_FALSE(Box("SelfDamageRPU", c.output)->isVisibleTo(&page));
        const std::array<std::pair<const char*, ListView>, 4> lists = {{
            {"TimeRzmkRPU", c.open},
            {"TimeZmkRPU", c.close},
            {"TimePeriodRPU", c.duration},
            {"InvReleRPU", c.inversion},
        }};
        for (const auto& [prefix, view] : lists) {
            QComboBox* list = List(prefix, c.output);
            EXPECT_EQ(list->count(), QString::fromLatin1(prefix).startsWith(u"Inv") ? 2 : 256)
                << prefix;
            EXPECT_EQ(list->currentIndex(), view.index) << prefix;
            EXPECT_EQ(list->currentText(), QString::fromUtf8(view.text)) << prefix;
            EXPECT_EQ(list->isEnabled(), view.enabled) << prefix;
        }
        for (int n = 1; n <= 48; ++n)
            EXPECT_TRUE(Box("privrelrpu", c.output, n)->isEnabled()) << n;
    }
}

TEST_F(RpuPageTest, ButtonsTheUserCannotChooseRefuseTheClick) {
    page.Tabs()->setCurrentIndex(1);
    const auto before = Snapshot(&page);
    for (int m : {1, 2, 3, 6}) {
        ClickButton(2, m);
        EXPECT_FALSE(Button(2, m)->isChecked()) << m;
    }
    EXPECT_EQ(page.Model().State().Output(2).mode, -1);
    EXPECT_EQ(Snapshot(&page), before);
}

TEST_F(RpuPageTest, HandlerWithoutACheckedButtonOrOutputChangesNothing) {
    ClickButton(1, 7);
    const PageState state = page.Model().State();
    const auto shown = Snapshot(&page);
    page.RadioButton_ReleWorkModeRPUClick(Button(2, 4)); // output 2 has no checked button
    QObject stranger;
    stranger.setObjectName(QStringLiteral("RadioButton41"));
    page.RadioButton_ReleWorkModeRPUClick(&stranger);
    page.RadioButton_ReleWorkModeRPUClick(Box("AlarmEventRPU", 1));
    page.RadioButton_ReleWorkModeRPUClick(nullptr);
    EXPECT_EQ(page.Model().State(), state);
    EXPECT_EQ(Snapshot(&page), shown);
}

TEST_F(RpuPageTest, RunningTheModeHandlerTwiceEqualsRunningItOnce) {
    for (int o = 1; o <= 3; ++o) {
        for (int m : {4, 5, 7}) {
            ClickButton(o, m);
            ASSERT_EQ(page.Model().State().Output(o).mode, m - 1);
            const PageState once = page.Model().State();
            const auto shownOnce = Snapshot(&page);
            page.RadioButton_ReleWorkModeRPUClick(Button(o, m));
            EXPECT_EQ(page.Model().State(), once) << o << " " << m;
            EXPECT_EQ(Snapshot(&page), shownOnce) << o << " " << m;
        }
    }
}

TEST_F(RpuPageTest, ButtonCheckedByCodeIsTheModeEvenWithoutARule) {
    // Code may check a button the user cannot; the handler then records that mode
    // (which has no rule) and packing stores it.
    ClickButton(3, 5);
    const OutputState before = page.Model().State().Output(3);
    Button(3, 2)->setChecked(true);
    page.RadioButton_ReleWorkModeRPUClick(Button(3, 2));
    EXPECT_TRUE(Button(3, 2)->isChecked());
    EXPECT_FALSE(Button(3, 5)->isChecked());
    OutputState expected = before;
    expected.mode = 1;
    EXPECT_EQ(page.Model().State().Output(3), expected);
    std::vector<quint32> block(SettingsImageLength, 0);
    ASSERT_TRUE(page.PackRpuImage(block));
    EXPECT_EQ(block[95], 2u);
}

TEST_F(RpuPageTest, ModeChangeKeepsSourcesAndDiscardsEventChoices) {
    ClickButton(1, 7);
    ClickIndicator(Box("privrelrpu", 1, 12));
    ClickIndicator(Box("NoLinkRPU", 1));
    ASSERT_TRUE(Box("privrelrpu", 1, 12)->isChecked());
    ASSERT_TRUE(Box("NoLinkRPU", 1)->isChecked());

    ClickButton(1, 7); // the button already checked: no change
    EXPECT_TRUE(Box("NoLinkRPU", 1)->isChecked());

    ClickButton(1, 5);
    EXPECT_TRUE(Box("privrelrpu", 1, 12)->isChecked());
    EXPECT_FALSE(Box("NoLinkRPU", 1)->isChecked());
    std::vector<quint32> block(SettingsImageLength, 0);
    ASSERT_TRUE(page.PackRpuImage(block));
    EXPECT_EQ(block[55], 16u); // source 12 = second source of byte 55, output 1: bit 4
}

TEST_F(RpuPageTest, UserActsReachTheModelAndThePackedBlock) {
    ClickButton(2, 7);
    struct Case {
        const char* prefix;
        RpuEvent event;
        int byte;
    };
    const Case stored[] = {
        {"RadioChanBlckRPU", RpuEvent::RadioChanBlckRPU, 74},
        {"BoxDamageRPU", RpuEvent::BoxDamageRPU, 75},
        {"ErrorPowerRPU", RpuEvent::ErrorPowerRPU, 76},
        {"DamageIIRPU", RpuEvent::DamageIIRPU, 78},
        {"ErrorFireRPU", RpuEvent::ErrorFireRPU, 79},
        {"AhtungFireIIRPU", RpuEvent::AhtungFireIIRPU, 80},
        {"NoLinkRPU", RpuEvent::NoLinkRPU, 81},
        {"PowerCDRPU", RpuEvent::PowerCDRPU, 82},
    };
    for (const Case& c : stored) {
        ClickIndicator(Box(c.prefix, 2));
        EXPECT_TRUE(Box(c.prefix, 2)->isChecked()) << c.prefix;
        EXPECT_TRUE(page.Model().State().Output(2).Event(c.event).checked) << c.prefix;
    }
    ClickIndicator(Box("privrelrpu", 2, 1));
    ClickIndicator(Box("privrelrpu", 2, 48));
    ChooseNext(List("InvReleRPU", 2));
    ChooseNext(List("TimeZmkRPU", 2));
    ChooseNext(List("TimeRzmkRPU", 2));
    QTest::keyClick(List("TimeRzmkRPU", 2), Qt::Key_Down);
    ChooseNext(List("TimePeriodRPU", 2));
    EXPECT_EQ(List("TimePeriodRPU", 2)->currentText(), QStringLiteral("5 с."));

    std::vector<quint32> block(SettingsImageLength, 0);
    ASSERT_TRUE(page.PackRpuImage(block));
    for (const Case& c : stored)
        EXPECT_EQ(block[static_cast<size_t>(c.byte)], 2u) << c.prefix;
    EXPECT_EQ(block[77], 2u);  // "Тревога/пожар", preset by the mode
    EXPECT_EQ(block[50], 2u);  // source 1, output 2: bit 1
    EXPECT_EQ(block[73], 32u); // source 48, output 2: bit 5
    EXPECT_EQ(block[83], 2u);
    EXPECT_EQ(block[87], 1u); // close time of output 2
    EXPECT_EQ(block[88], 2u); // open time
    EXPECT_EQ(block[89], 1u); // duration
    EXPECT_EQ(block[94], 7u);
    EXPECT_EQ(block[49], 0x55u);

    // Boxes the rule disabled refuse the click, in the model and on screen.
    ClickIndicator(Box("OnOfLineRPU", 2));
    EXPECT_FALSE(Box("OnOfLineRPU", 2)->isChecked());
    EXPECT_FALSE(page.Model().State().Output(2).Event(RpuEvent::OnOfLineRPU).checked);
}

TEST_F(RpuPageTest, FactoryDefaultsShowInTheWidgets) {
    ClickButton(1, 7);
    ClickIndicator(Box("privrelrpu", 1, 3));
    page.ApplyFactoryDefaults();
    for (int o = 1; o <= 3; ++o) {
        for (int m = 1; m <= 7; ++m)
            EXPECT_FALSE(Button(o, m)->isChecked()) << o << m;
        for (int n = 1; n <= 48; ++n) {
            EXPECT_FALSE(Box("privrelrpu", o, n)->isChecked()) << o << " " << n;
            EXPECT_FALSE(Box("privrelrpu", o, n)->isEnabled()) << o << " " << n;
        }
        for (const char* prefix : kEventPrefixes) {
            EXPECT_FALSE(Box(prefix, o)->isChecked()) << prefix << o;
            EXPECT_FALSE(Box(prefix, o)->isEnabled()) << prefix << o;
        }
        EXPECT_EQ(List("InvReleRPU", o)->currentText(), QStringLiteral("Нет "));
    }
    std::vector<quint32> block(SettingsImageLength, 0);
    ASSERT_TRUE(page.PackRpuImage(block));
    EXPECT_EQ(block[49], 0x5Au);
    for (int b = 50; b < SettingsImageLength; ++b)
        EXPECT_EQ(block[static_cast<size_t>(b)], 0u) << b;
}

TEST_F(RpuPageTest, ListTextsFollowTheCatalogueWhenRefreshed) {
    ClickButton(1, 7);
    ASSERT_EQ(List("TimePeriodRPU", 1)->itemText(12), QStringLiteral("1 мин."));
    page.SetMessageLookup([](int id) {
        switch (id) {
        case 10074:
            return QStringLiteral("%d min");
        case 10078:
            return QStringLiteral("%.1f s");
        default:
            return QStringLiteral("#%1").arg(id);
        }
    });
    EXPECT_EQ(List("TimePeriodRPU", 1)->itemText(12), QStringLiteral("1 min"));
    EXPECT_EQ(List("TimeRzmkRPU", 1)->itemText(3), QStringLiteral("1,5 s"));
    EXPECT_EQ(List("TimeRzmkRPU", 1)->itemText(0), QStringLiteral("#10081"));
    // The refill keeps what the lists show selected.
    EXPECT_EQ(List("TimeRzmkRPU", 1)->currentIndex(), 0);
    EXPECT_EQ(List("InvReleRPU", 1)->currentText(), QStringLiteral("Нет "));
}

} // namespace
} // namespace tunbox
