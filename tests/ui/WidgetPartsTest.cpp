#include "ui/PageControl.h"
#include "ui/widgets/RadioGroup.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(RadioGroup, ReadsAndSetsTheSelectedIndexWithMinusOneForNone) {
    RadioGroup group;
    group.SetItems({QStringLiteral("РПУ"), QStringLiteral("РТР")});
    EXPECT_EQ(group.ItemIndex(), -1);

    const std::pair<int, int> steps[] = {{1, 1},  {0, 0}, {-1, -1}, {1, 1},
                                         {2, -1}, {0, 0}, {-7, -1}};
    for (const auto& [set, read] : steps) {
        group.SetItemIndex(set);
        EXPECT_EQ(group.ItemIndex(), read) << "after SetItemIndex(" << set << ")";
        EXPECT_EQ(group.Item(0)->isChecked(), read == 0);
        EXPECT_EQ(group.Item(1)->isChecked(), read == 1);
    }
}

TEST(RadioGroup, AnnouncesTheUsersClickButNotTheProgramsChoice) {
    RadioGroup group;
    group.SetItems({QStringLiteral("РПУ"), QStringLiteral("РТР")});
    group.show();
    QSignalSpy clicked(&group, &RadioGroup::ItemClicked);

    group.SetItemIndex(0);
    EXPECT_EQ(clicked.count(), 0);

    QTest::mouseClick(group.Item(1), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.front().front().toInt(), 1);
    EXPECT_EQ(group.ItemIndex(), 1);
    // Still one choice at a time after the selection was cleared.
    group.SetItemIndex(-1);
    QTest::mouseClick(group.Item(0), Qt::LeftButton);
    QTest::mouseClick(group.Item(1), Qt::LeftButton);
    EXPECT_FALSE(group.Item(0)->isChecked());
    EXPECT_EQ(group.ItemIndex(), 1);
}

class PageControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (QWidget*& page : pages) {
            page = new QWidget;
            control.addTab(page, QStringLiteral("page"));
        }
        control.show();
    }

    PageControl control;
    QWidget* pages[3] = {};
};

TEST_F(PageControlTest, ProgramChangesStayQuietAndTheUsersChoiceIsAnnounced) {
    QSignalSpy chosen(&control, &PageControl::PageChosen);

    control.SetActivePage(pages[2]);
    control.SetTabShown(pages[1], false);
    control.SetTabShown(pages[2], false); // hiding the active tab moves the active page
    EXPECT_EQ(chosen.count(), 0);

    control.SetTabShown(pages[1], true);
    control.SetActivePage(pages[0]);
    const QRect tab = control.tabBar()->tabRect(1);
    QTest::mouseClick(control.tabBar(), Qt::LeftButton, {}, tab.center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front().front().value<QWidget*>(), pages[1]);
    EXPECT_EQ(control.ActivePage(), pages[1]);
    EXPECT_EQ(control.ActivePageIndex(), 1);
}

TEST_F(PageControlTest, APageWhoseTabIsHiddenCanStillBeMadeActive) {
    control.SetTabShown(pages[2], false);
    EXPECT_FALSE(control.IsTabShown(pages[2]));
    EXPECT_TRUE(control.IsTabShown(pages[0]));

    control.SetActivePage(pages[2]);
    EXPECT_EQ(control.ActivePage(), pages[2]);
    EXPECT_TRUE(pages[2]->isVisible());

    QWidget stranger;
    control.SetTabShown(&stranger, true);
    EXPECT_FALSE(control.IsTabShown(&stranger));
}

} // namespace
} // namespace tunbox
