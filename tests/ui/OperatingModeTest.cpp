// The operating mode buttons of a connected unit: the pages that fit, and the
// message when the unit's firmware does not serve the chosen mode.
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

struct Tabs {
    bool backup, rele, rpu;
    bool operator==(const Tabs&) const = default;
};

void PrintTo(const Tabs& t, std::ostream* os) {
    *os << "{backup " << t.backup << ", rele " << t.rele << ", rpu " << t.rpu << "}";
}

Tabs TabsOf(const SimulatedWindow& w) {
    const MainWindow& m = *w.window;
    return {m.MainPageC->IsTabShown(m.RegistBackupTabSh),
            m.MainPageC->IsTabShown(m.ReleSettingsTabSh),
            m.MainPageC->IsTabShown(m.ReleSettingsTabRPU)};
}

TEST(OperatingMode, ModeButtonsOfferThePagesThatFitTheUnit) {
    const struct {
        std::uint8_t version;
        const char* button;
        Tabs tabs;
        int catalogue;
        bool mismatch;
    } cases[] = {
        {104, "RTR_rb", {true, true, false}, 0, false},
        {104, "RPU_rb", {true, false, true}, 0, false},
        {104, "MRO_rb", {false, false, false}, 1, true},
        {105, "RTR_rb", {true, true, false}, 0, false},
        {39, "RPU_rb", {false, false, false}, 0, true},
        {39, "MRO_rb", {false, true, false}, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + " " + c.button);
        SimulatedWindow w(c.version);
        w.Connect();
        // From a button other than the one in the case, so the click changes it.
        if (std::string(c.button) == "MRO_rb" && c.version < 100)
            w.Click("RPU_rb");
        w.TakeBoxes();
        w.Click(c.button);
        EXPECT_EQ(TabsOf(w), c.tabs);
        EXPECT_EQ(w.window->Fields().CatalogueMode, c.catalogue);
        EXPECT_EQ(w.TakeBoxes(), c.mismatch ? QStringList{Text(10025)} : QStringList{});
        if (c.mismatch) {
            EXPECT_EQ(w.dialogs.Messages().back().caption, Text(10013));
            EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Information);
        }
        EXPECT_FALSE(w.window->MainTabSh->SoftUpdateGrB->isVisible());
    }
}

TEST(OperatingMode, UnitBelowTheSettingsVersionHasOnlyTheBackupPage) {
    SimulatedWindow w(103);
    w.Connect();
    EXPECT_TRUE(w.window->MainTabSh->RTR_rb->isHidden());
    w.Click("MRO_rb");
    EXPECT_EQ(TabsOf(w), (Tabs{false, false, false}));
    w.Click("RPU_rb");
    EXPECT_EQ(TabsOf(w), (Tabs{true, false, false}));
}

TEST(OperatingMode, SwitchingBetweenRpuAndRtrChangesTheSettingsTab) {
    SimulatedWindow w;
    w.Connect();
    w.Click("RTR_rb");
    w.ChoosePage(w.window->ReleSettingsTabSh);
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    w.ChoosePage(w.window->MainTabSh);
    w.Click("RPU_rb");
    EXPECT_EQ(TabsOf(w), (Tabs{true, false, true}));
    w.ChoosePage(w.window->ReleSettingsTabRPU);
    EXPECT_EQ(w.window->StatusText(), Text(10064));
}

// A receiver that gets partner-brand firmware (version 45) is identified anew
// and the mode button the receiver had checked is unchecked with the others.
TEST(OperatingMode, APartnerBrandUnitUnchecksTheButtonThatWasChecked) {
    SimulatedWindow w;
    w.PutFirmwareFile("klt-rpu_4_5.bin", 45);
    w.Connect();
    MainPage* main = w.window->MainTabSh;
    ASSERT_TRUE(main->RPU_rb->isChecked());
    QListWidget* list = main->SoftUpdatesListBox;
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    emit list->itemClicked(list->item(0));
    w.Click("WriteSWButton");
    ASSERT_EQ(w.unit.Version(), 45);

    EXPECT_EQ(main->CurrentSoftVerLabel2->text(), "4_5");
    for (QRadioButton* button : {main->RPU_rb, main->RTR_rb, main->MRO_rb})
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    EXPECT_EQ(TabsOf(w), (Tabs{false, false, false}));
}

} // namespace
} // namespace tunbox
