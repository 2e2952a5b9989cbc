// Connecting, page entries and disconnecting as a user clicks them, against the
// simulated unit.
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

// What the window shows of its connection state.
struct WindowState {
    bool connectEnabled;
    bool disconnectEnabled;
    bool workModeEnabled;
    bool pagesVisible;
    bool languageEnabled;

    bool operator==(const WindowState&) const = default;
};

void PrintTo(const WindowState& s, std::ostream* os) {
    *os << "{connect " << s.connectEnabled << ", disconnect " << s.disconnectEnabled
        << ", work mode " << s.workModeEnabled << ", pages " << s.pagesVisible << ", language "
        << s.languageEnabled << "}";
}

WindowState StateOf(const SimulatedWindow& w) {
    const CommandColumn* c = w.window->Commands();
    return {c->ConnectButton->isEnabled(), c->DisconnectButton->isEnabled(),
            c->OperModeCmB->isEnabled(), w.window->MainPageC->isVisible(),
            w.window->Bottom().btn_ChangeLang->isEnabled()};
}

const WindowState NotConnected{true, false, true, false, true};
const WindowState Connected{false, true, false, true, false};
const WindowState LinkFailed{true, false, false, true, false};

// Which extra tabs show, and the mode buttons.
struct Offer {
    bool backup;
    bool rele;
    bool rpu;
    bool rtrShown;
    int checked; // 0 RPU_rb, 1 RTR_rb, 2 MRO_rb, -1 none

    bool operator==(const Offer&) const = default;
};

void PrintTo(const Offer& o, std::ostream* os) {
    *os << "{backup " << o.backup << ", rele " << o.rele << ", rpu " << o.rpu << ", RTR_rb shown "
        << o.rtrShown << ", checked " << o.checked << "}";
}

Offer OfferOf(const SimulatedWindow& w) {
    const MainWindow& m = *w.window;
    return {m.MainPageC->IsTabShown(m.RegistBackupTabSh),
            m.MainPageC->IsTabShown(m.ReleSettingsTabSh),
            m.MainPageC->IsTabShown(m.ReleSettingsTabRPU), !m.MainTabSh->RTR_rb->isHidden(),
            m.MainTabSh->OperModeButtons->checkedId()};
}

TEST(ConnectionWorkflow, ConnectIdentifiesTheUnitAndOffersWhatFitsItsKind) {
    const struct {
        std::uint8_t version;
        const char* type;
        const char* versionText;
        Offer offer;
    } cases[] = {
        {103, "Радиоприемное устройство (РПУ/РТР)", "10_3", {true, false, false, false, 0}},
        {104, "Радиоприемное устройство (РПУ/РТР)", "10_4", {true, false, true, true, 0}},
        {39, "Модуль реле и оповещения (МРО)", "3_9", {false, true, false, true, 2}},
        {45, "РПУ-ZELK", "4_5", {false, false, false, true, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        SimulatedWindow w(c.version);
        w.Click("ConnectButton");
        EXPECT_EQ(StateOf(w), Connected);
        EXPECT_EQ(w.window->MainTabSh->DevTypeLabel2->text(), QString::fromUtf8(c.type));
        EXPECT_EQ(w.window->RegistBackupTabSh->Dev2TypeLabel2->text(), QString::fromUtf8(c.type));
        EXPECT_EQ(w.window->MainTabSh->CurrentSoftVerLabel2->text(), c.versionText);
        EXPECT_EQ(OfferOf(w), c.offer);
        EXPECT_EQ(w.window->MainPageC->ActivePage(), w.window->MainTabSh);
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
        const QStringList status = w.TakeStatusTexts();
        ASSERT_GE(status.size(), 4);
        EXPECT_EQ(status.first(), Text(10011));
        EXPECT_EQ(status[1], Text(10061));
        EXPECT_EQ(status[status.size() - 2], Text(10063));
        EXPECT_EQ(status.last(), Text(10064));
        EXPECT_TRUE(w.unit.IsOpen());
    }
}

TEST(ConnectionWorkflow, NoUnitOrTwoUnitsWarnAndStayNotConnected) {
    const struct {
        unsigned units;
        int message;
    } cases[] = {{0, 10008}, {2, 10010}};
    for (const auto& c : cases) {
        SimulatedWindow w;
        w.unit.Faults().unitCount = c.units;
        w.Click("ConnectButton");
        EXPECT_EQ(StateOf(w), NotConnected) << c.units;
        ASSERT_EQ(w.dialogs.Messages().size(), 1u);
        EXPECT_EQ(w.dialogs.Messages()[0].caption, Text(10009));
        EXPECT_EQ(w.dialogs.Messages()[0].text, Text(c.message));
        EXPECT_EQ(w.dialogs.Messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(w.window->StatusText(), Text(c.message));
    }
}

TEST(ConnectionWorkflow, NoUnitFoundForAReasonShowsTheReasonThenTheWarning) {
    SimulatedWindow w;
    w.unit.Faults().unitCount = 0;
    w.transport.openError = "USB could not be started";
    w.Click("ConnectButton");
    EXPECT_EQ(StateOf(w), NotConnected);
    ASSERT_EQ(w.dialogs.Messages().size(), 2u);
    EXPECT_EQ(w.dialogs.Messages()[0].caption, "Error");
    EXPECT_EQ(w.dialogs.Messages()[0].text, "USB could not be started");
    EXPECT_EQ(w.dialogs.Messages()[1].caption, Text(10009));
    EXPECT_EQ(w.dialogs.Messages()[1].text, Text(10008));
    EXPECT_EQ(w.window->StatusText(), Text(10008));
}

TEST(ConnectionWorkflow, PipesThatCannotBeOpenedShowTheSystemsReasonTitledError) {
    SimulatedWindow w;
    w.transport.openError = "Permission denied";
    w.Click("ConnectButton");
    ASSERT_FALSE(w.dialogs.Messages().empty());
    EXPECT_EQ(w.dialogs.Messages()[0].caption, "Error");
    EXPECT_EQ(w.dialogs.Messages()[0].text, "Permission denied");
    EXPECT_EQ(w.dialogs.Messages()[0].icon, MessageIcon::Error);
}

TEST(ConnectionWorkflow, EveryExchangeShowsTheHourglassAndTheLinkBreaksBeforeEachEntry) {
    SimulatedWindow w;
    w.Connect();
    const std::vector<bool>& switches = w.dialogs.HourglassSwitches();
    ASSERT_FALSE(switches.empty());
    EXPECT_FALSE(w.dialogs.HourglassOn());
    for (std::size_t i = 0; i < switches.size(); ++i)
        EXPECT_EQ(switches[i], i % 2 == 0) << "switch " << i;
    // OpenUnit, then the link break and the link initialisation.
    EXPECT_EQ(switches.size(), 6u);
}

TEST(ConnectionWorkflow, UnpluggedUnitOnAPageChangeLosesTheLink) {
    SimulatedWindow w;
    w.Connect();
    w.TakeBoxes();
    w.unit.Faults().unplugAfterCall = 0;
    w.ChoosePage(w.window->RegistBackupTabSh);
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10083)});
    EXPECT_EQ(w.window->StatusText(), Text(10083));
    EXPECT_EQ(StateOf(w), NotConnected);
    EXPECT_EQ(w.window->MainPageC->ActivePage(), w.window->MainTabSh);
    EXPECT_TRUE(w.window->MainTabSh->DevTypeLabel2->text().isEmpty());
}

// The backup page's link initialisation fails once: its box, then the whole
// main-page entry again (which succeeds), and still the failure at the end.
TEST(ConnectionWorkflow, FailedLinkOnTheBackupPageRunsTheMainPageEntryAndStillFails) {
    SimulatedWindow w;
    w.Connect();
    w.TakeBoxes();
    w.TakeStatusTexts();
    // The link break writes 8 bytes; the first read is the link initialisation's.
    w.transport.FailRead(1);
    w.ChoosePage(w.window->RegistBackupTabSh);

    EXPECT_EQ(w.TakeBoxes(), (QStringList{Text(10084), Text(10065)}));
    const QStringList status = w.TakeStatusTexts();
    ASSERT_GE(status.size(), 3);
    EXPECT_EQ(status.first(), Text(10061));
    EXPECT_TRUE(status.contains(Text(10064))) << "the nested main-page entry succeeded";
    EXPECT_EQ(status.last(), Text(10065));
    EXPECT_EQ(StateOf(w), LinkFailed);
    EXPECT_EQ(w.window->MainPageC->ActivePage(), w.window->MainTabSh);
    EXPECT_EQ(w.window->MainTabSh->CurrentSoftVerLabel2->text(), "10_4");
}

TEST(ConnectionWorkflow, DisconnectBreaksTheLinkAndKeepsThePipesOpen) {
    SimulatedWindow w;
    w.Connect();
    w.Click("DisconnectButton");
    EXPECT_EQ(w.window->StatusText(), Text(10015));
    EXPECT_EQ(StateOf(w), NotConnected);
    EXPECT_TRUE(w.unit.IsOpen());
    EXPECT_EQ(w.window->Fields().Unit.DeviceMode, -1);
    for (QLabel* label :
         {w.window->MainTabSh->DevTypeLabel2, w.window->MainTabSh->CurrentSoftVerLabel2})
        EXPECT_TRUE(label->text().isEmpty());

    // Connecting again works like the first time.
    w.Connect();
    EXPECT_EQ(StateOf(w), Connected);
}

TEST(ConnectionWorkflow, ExitQuestionAnsweredNoLeavesThePipesOpen) {
    SimulatedWindow w;
    w.Connect();
    w.dialogs.QueueAnswer(MessageAnswer::No);
    EXPECT_FALSE(w.window->close());
    EXPECT_TRUE(w.unit.IsOpen());
    EXPECT_EQ(StateOf(w), Connected);
    w.dialogs.QueueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(w.window->close());
    EXPECT_FALSE(w.unit.IsOpen());
}

TEST(ConnectionWorkflow, EnteringEachPageBreaksAndInitialisesTheLinkAgain) {
    SimulatedWindow w;
    w.Connect();
    w.ChoosePage(w.window->RegistBackupTabSh);
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    EXPECT_EQ(StateOf(w), Connected);
    const BackupPage* backup = w.window->RegistBackupTabSh;
    EXPECT_TRUE(backup->RegBackupCreateButton->isEnabled());
    EXPECT_TRUE(backup->RegBackupRestoreButton->isEnabled());
    EXPECT_FALSE(backup->RPU_RTRRadioGr->isEnabled());
    for (const char* name :
         {"ReadButton", "WriteButton", "LoadButton", "SaveButton", "DefaultSettingsButton"})
        EXPECT_FALSE(w.Find<QPushButton>(name)->isEnabled()) << name;

    // Back to the main page and on to the receiver's settings page, which reads
    // the unit's settings at once.
    w.ChoosePage(w.window->MainTabSh);
    w.ChoosePage(w.window->ReleSettingsTabRPU);
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    for (const char* name :
         {"ReadButton", "WriteButton", "LoadButton", "SaveButton", "DefaultSettingsButton"})
        EXPECT_TRUE(w.Find<QPushButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(w.TakeStatusTexts().contains(Text(10038)));
    EXPECT_TRUE(w.TakeBoxes().isEmpty()) << "a settings read shows no box";
}

TEST(ConnectionWorkflow, DemoWorkShowsThePagesOfTheChosenModeWithoutAUnit) {
    const struct {
        const char* button;
        Offer offer;
    } cases[] = {
        {"RPU_rb", {true, false, true, true, 0}},
        {"RTR_rb", {true, true, false, true, 1}},
        {"MRO_rb", {false, true, false, true, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        SimulatedWindow w;
        w.ChooseWorkMode(CommandColumn::DemoItem);
        EXPECT_TRUE(w.window->MainPageC->isVisible());
        EXPECT_FALSE(w.window->Commands()->ConnectButton->isEnabled());
        EXPECT_FALSE(w.window->MainTabSh->SoftUpdatesGroupBox->isVisible());
        w.Click(c.button);
        EXPECT_EQ(OfferOf(w), c.offer);
        EXPECT_TRUE(w.TakeBoxes().isEmpty()) << "demo work shows no mode message";
        EXPECT_EQ(w.unit.IsOpen(), false) << "demo work never talks to the unit";
    }
}

TEST(ConnectionWorkflow, DemoSettingsPageShowsTheFactorySettingsAndOffersFiles) {
    SimulatedWindow w;
    w.ChooseWorkMode(CommandColumn::DemoItem);
    w.Click("RTR_rb");
    w.ChoosePage(w.window->ReleSettingsTabSh);
    EXPECT_EQ(w.window->StatusText(), Text(10014));
    for (const char* name : {"LoadButton", "SaveButton", "DefaultSettingsButton"})
        EXPECT_TRUE(w.Find<QPushButton>(name)->isEnabled()) << name;
    for (const char* name : {"ReadButton", "WriteButton"})
        EXPECT_FALSE(w.Find<QPushButton>(name)->isEnabled()) << name;
    // Demo work counts as a unit that may choose the sound output's minute list.
    EXPECT_TRUE(w.Find<QComboBox>("TimePeriod3")->isEnabled());

    // Back to on-line work: not connected, the welcome area again.
    w.ChooseWorkMode(CommandColumn::OnLineItem);
    EXPECT_EQ(StateOf(w), NotConnected);
    EXPECT_FALSE(w.window->Fields().DemoMode);
}

} // namespace
} // namespace tunbox
