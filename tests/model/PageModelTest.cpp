#include "model/RelePageState.h"
#include "model/RpuPageState.h"
#include "model/SettingsPageModel.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace tunbox {
namespace {

using Block = std::vector<quint32>;

// A page model of the given rules; counts StateChanged so a test sees which
// acts the view would have to show.
struct Watched {
    explicit Watched(const PageRules& rules) : model(rules) {
        QObject::connect(&model, &SettingsPageModel::StateChanged, [this] { ++changes; });
    }
    SettingsPageModel model;
    int changes = 0;
};

TEST(ReleRulesPageModel, ModeClickRunsTheRuleWithTheWindowsContext) {
    Watched page(ReleRules());
    UnitContext context{false, 0, false};
    page.model.SetContextSource([&] { return context; });

    EXPECT_TRUE(page.model.SetMode(3, 3));
    EXPECT_EQ(page.changes, 1);
    EXPECT_EQ(page.model.State().Output(3).List(OptionList::TimePeriod),
              (ListState{ListKind::MinuteDuration, -1, false}));

    context.rtrChecked = true; // the context is read at each act
    EXPECT_TRUE(page.model.SetMode(3, 3));
    EXPECT_EQ(page.model.State().Output(3).List(OptionList::TimePeriod),
              (ListState{ListKind::MinuteDuration, 0, true}));
    EXPECT_TRUE(page.model.SetListIndex(3, OptionList::TimePeriod, 245));
    Block block(SettingsImageLength, 0);
    ASSERT_TRUE(page.model.Pack(block));
    EXPECT_EQ(block[41], 255u);
    EXPECT_EQ(block[44], 4u);
}

TEST(ReleRulesPageModel, UserActsOnDisabledOrMissingControlsAreRefused) {
    Watched page(ReleRules());
    ASSERT_TRUE(page.model.SetMode(1, 5)); // "Исполнительный": options locked
    page.changes = 0;
    const PageState before = page.model.State();

    EXPECT_FALSE(page.model.SetEventChecked(1, ReleEvent::OnOffLine, false));
    EXPECT_FALSE(page.model.SetEventChecked(2, ReleEvent::ErrorPower, true));
    EXPECT_FALSE(page.model.SetListIndex(1, OptionList::TimeZmk, 3));
    EXPECT_FALSE(page.model.SetListIndex(2, OptionList::TimeZmk, 0)) << "empty list";
    EXPECT_FALSE(page.model.SetBindingChecked(1, 17, true));
    EXPECT_FALSE(page.model.SetBindingChecked(4, 1, true));
    EXPECT_FALSE(page.model.SetMode(1, 7));
    EXPECT_FALSE(page.model.SetMode(0, 1));
    EXPECT_EQ(page.model.State(), before);
    EXPECT_EQ(page.changes, 0);

    ASSERT_TRUE(page.model.SetMode(1, 6));
    EXPECT_TRUE(page.model.SetEventChecked(1, ReleEvent::NoLine, true));
    EXPECT_TRUE(page.model.SetListIndex(1, OptionList::TimeZmk, 255));
    EXPECT_FALSE(page.model.SetListIndex(1, OptionList::TimeZmk, 256));
    EXPECT_FALSE(page.model.SetListIndex(1, OptionList::InvRele, 2));
    EXPECT_TRUE(page.model.SetBindingChecked(1, 16, true));
    EXPECT_TRUE(page.model.State().Output(1).Event(ReleEvent::NoLine).checked);
    EXPECT_TRUE(page.model.State().Output(1).bindings[15].checked);
    EXPECT_EQ(page.model.State().Output(1).List(OptionList::TimeZmk).index, 255);
}

TEST(ReleRulesPageModel, UnpackReportsBadDataAndStillRefreshesTheView) {
    Watched page(ReleRules());
    test::RecordingEnd end;
    Block block(SettingsImageLength, 0);
    block[3] = 6;
    block[44] = 8;
    EXPECT_EQ(page.model.Unpack(block, end), UnpackResult::BadData);
    ASSERT_EQ(end.calls.size(), 1u);
    EXPECT_EQ(end.calls[0], (std::pair<int, quint32>(44, 8)));
    EXPECT_EQ(page.changes, 1);
    EXPECT_TRUE(page.model.State().Output(2).bindings[3].checked);
}

TEST(RpuRulesPageModel, ModeButtonsTheWindowDoesNotOfferAreRefused) {
    Watched page(RpuRules());
    for (int mode : {0, 1, 2, 5}) {
        EXPECT_FALSE(page.model.SetMode(1, mode)) << mode;
        EXPECT_EQ(page.model.State().Output(1).mode, -1);
    }
    EXPECT_EQ(page.changes, 0);
    EXPECT_TRUE(page.model.SetMode(3, 3));
    EXPECT_EQ(page.model.State().Output(3).List(OptionList::TimePeriod).index, 24);
    EXPECT_TRUE(page.model.SetListIndex(3, OptionList::TimePeriod, 12));
    EXPECT_FALSE(page.model.SetListIndex(3, OptionList::TimeRzmk, 1)) << "locked in this mode";
    EXPECT_FALSE(page.model.SetEventChecked(3, RpuEvent::AlarmEventRPU, false));
    EXPECT_TRUE(page.model.SetBindingChecked(3, 48, true));
    EXPECT_FALSE(page.model.SetBindingChecked(3, 49, true));

    // A scripted click on any button checks it; without a rule nothing else changes.
    const PageState before = page.model.State();
    EXPECT_TRUE(page.model.ForceMode(3, 1));
    PageState expected = before;
    expected.Output(3).mode = 1;
    EXPECT_EQ(page.model.State(), expected);
}

TEST(RpuRulesPageModel, HiddenBoxCannotBeClicked) {
    SettingsPageModel page(RpuRules());
    ASSERT_TRUE(page.SetMode(2, 6));
    EXPECT_TRUE(page.State().Output(2).Event(RpuEvent::SelfDamageRPU).enabled);
    EXPECT_FALSE(page.SetEventChecked(2, RpuEvent::SelfDamageRPU, true));
    EXPECT_TRUE(page.SetEventChecked(2, RpuEvent::BoxDamageRPU, true));
    EXPECT_FALSE(page.SetEventChecked(2, RpuEvent::OnOfLineRPU, true));
}

TEST(FactoryDefaults, BothPagesPackTheDocumentedValues) {
    // Bytes 0..44 as the relay page packs them after the defaults; byte 41 is 10
    // because output 3 is in mode "Звуковой".
    const Block rtrExpected = {5, 5, 5, 5, 5,   5, 5, 5,   6, 6, 6,   6,  6, 6, 6,
                               6, 0, 0, 0, 0,   0, 7, 0,   3, 0, 0,   0,  3, 3, 0,
                               0, 0, 4, 0, 255, 0, 0, 255, 0, 0, 255, 10, 7, 7, 4};
    Watched rtr(ReleRules());
    rtr.model.ApplyFactoryDefaults();
    EXPECT_EQ(rtr.changes, 1);
    Block block(SettingsImageLength, 0);
    ASSERT_TRUE(rtr.model.Pack(block));
    EXPECT_EQ(Block(block.begin(), block.begin() + ReleImageLength), rtrExpected);
    EXPECT_EQ(Block(block.begin() + ReleImageLength, block.end()),
              Block(SettingsImageLength - ReleImageLength, 0));

    SettingsPageModel rpu(RpuRules());
    ASSERT_TRUE(rpu.SetMode(1, 4));
    rpu.ApplyFactoryDefaults();
    Block rpuBlock(SettingsImageLength, 0);
    ASSERT_TRUE(rpu.Pack(rpuBlock));
    Block rpuExpected(SettingsImageLength, 0);
    rpuExpected[49] = 0x5A;
    EXPECT_EQ(rpuBlock, rpuExpected);
}

TEST(ProcessEnd, BadDataMessageShowsByteAndSignedValue) {
    const struct {
        int byte;
        quint32 value;
        const char* shown;
    } cases[] = {{16, 8, "16=8"}, {5, 0xFFFFFFFFu, "5=-1"}, {33, 300, "33=300"}};
    for (const auto& c : cases)
        EXPECT_EQ(
            BadDataMessage(test::RussianText, c.byte, c.value),
            QStringLiteral(
                "Ошибка в данных, считанных с прибора (Байт №%1). Программа завершает свою работу.")
                .arg(QString::fromUtf8(c.shown)));
}

} // namespace
} // namespace tunbox
