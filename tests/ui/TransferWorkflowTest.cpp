// "Считать" and "Записать" on the backup page and on both settings pages,
// against the simulated unit.
#include "model/FactoryDefaults.h"
#include "model/WorkingImage.h"
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

#include <QProgressBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tunbox {
namespace {

constexpr std::size_t SettingsAt = 7 * 256;

std::array<quint32, 256> Packed(const OutputSettingsPage* page) {
    std::array<quint32, 256> block{};
    page->Pack(block);
    return block;
}

class TransferTest : public ::testing::Test {
  protected:
    void SetUp() override { w.Connect(); }

    // The unit's settings block as the unit holds it.
    std::array<quint32, 256> UnitSettings() const {
        std::array<quint32, 256> block{};
        std::copy_n(w.unit.Memory().begin() + SettingsAt, 256, block.begin());
        return block;
    }
    int Progress() const { return w.window->Bottom().MainProgressB->value(); }

    SimulatedWindow w;
};

// Mode "Тревога" (byte 4) on relay 1 of the receiver page, in the unit.
void PutReceiverSettingsIntoUnit(SimulatedUnit& unit) {
    unit.Memory()[SettingsAt + 93] = 5;
    unit.Memory()[SettingsAt + 77] = 1;
    unit.Memory()[SettingsAt + 84] = 0;
    unit.Memory()[SettingsAt + 85] = 255;
}

TEST_F(TransferTest, ReadingOneSettingsPageLeavesTheOtherAndWritingSendsBoth) {
    PutReceiverSettingsIntoUnit(w.unit);
    const auto releBefore = Packed(w.window->ReleSettingsTabSh);

    w.ChoosePage(w.window->ReleSettingsTabRPU); // reads at once
    const auto rpu = Packed(w.window->ReleSettingsTabRPU);
    EXPECT_EQ(rpu[93], 5u);
    EXPECT_EQ(rpu[85], 255u);
    EXPECT_EQ(Packed(w.window->ReleSettingsTabSh), releBefore) << "the relay page kept its state";
    EXPECT_EQ(Progress(), 0);
    EXPECT_TRUE(w.Find<QPushButton>("SaveButton")->isEnabled());

    // The user changes the receiver page's relay 1 to "Звуковой" and writes.
    w.window->ReleSettingsTabRPU->Model().SetMode(1, 3);
    w.Click("WriteButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10048)});
    EXPECT_EQ(w.window->StatusText(), Text(10048));
    EXPECT_EQ(Progress(), 0);
    std::array<quint32, 256> expected{};
    w.window->ReleSettingsTabSh->Pack(expected);
    w.window->ReleSettingsTabRPU->Pack(expected);
    EXPECT_EQ(UnitSettings(), expected) << "one block with both pages";
    EXPECT_EQ(UnitSettings()[93], 4u);
    EXPECT_EQ(UnitSettings()[44], releBefore[44]);
}

TEST_F(TransferTest, SettingsReadShowsItsMessageOnlyOnTheStatusLine) {
    w.ChoosePage(w.window->ReleSettingsTabRPU);
    w.TakeBoxes();
    w.TakeStatusTexts();
    w.Click("ReadButton");
    EXPECT_TRUE(w.TakeBoxes().isEmpty());
    const QStringList status = w.TakeStatusTexts();
    ASSERT_FALSE(status.isEmpty());
    // The read's progress rises to 100 % (percentages the window had no time
    // to show may be left out), the transfer's success, then the page's.
    ASSERT_GE(status.size(), 3);
    const QString reading = QStringLiteral("Чтение параметров из прибора...");
    EXPECT_EQ(status[status.size() - 3], reading + QStringLiteral("100 %"));
    EXPECT_EQ(status[status.size() - 2], Text(10057));
    int last = -1;
    for (qsizetype i = 0; i + 2 < status.size(); ++i) {
        ASSERT_TRUE(status[i].startsWith(reading)) << status[i].toStdString();
        const int percent = status[i].mid(reading.size()).chopped(2).toInt();
        EXPECT_GT(percent, last) << "progress only rises";
        last = percent;
    }
    EXPECT_EQ(status.last(), Text(10038));
}

TEST_F(TransferTest, RelayPageReadAppliesTheUnitsBlockThroughTheWindowsRules) {
    w.Click("RTR_rb");
    w.ChoosePage(w.window->ReleSettingsTabSh);
    const auto rele = Packed(w.window->ReleSettingsTabSh);
    // The unit holds the factory settings; output 3 in "Звуковой" with RTR_rb
    // checked selects the first minute duration (code 10).
    const auto& defaults = FactoryDefaults();
    for (int byte : {0, 8, 21, 23, 32, 42, 43, 44})
        EXPECT_EQ(rele[byte], defaults[byte]) << byte;
    EXPECT_EQ(rele[41], 10u);
}

class BackupTransferTest : public TransferTest {
  protected:
    void SetUp() override {
        TransferTest::SetUp();
        w.ChoosePage(w.window->RegistBackupTabSh);
        w.TakeBoxes();
    }
};

TEST_F(BackupTransferTest, CreateReadsTheRegistrationMemoryIntoTheWorkingImage) {
    w.Click("RegBackupCreateButton");
    EXPECT_TRUE(w.Find<QPushButton>("ReadButton")->isEnabled());
    w.Click("ReadButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10049)});
    EXPECT_EQ(w.window->StatusText(), Text(10049));
    const std::vector<quint32>& image = w.window->Image().Values();
    ASSERT_EQ(image.size(), 1792u);
    EXPECT_EQ(image[250], 250u);
    EXPECT_EQ(image[251], 0u);
    EXPECT_EQ(image[1791], 42u);
    EXPECT_EQ(w.window->RegistBackupTabSh->ConfCodeLabel2->text(), "42");
    EXPECT_EQ(w.window->MainTabSh->TempListB2->model()->rowCount(), 1792);
    EXPECT_EQ(w.window->MainTabSh->TempListB2->model()->index(1791, 0).data().toString(), "42");
    EXPECT_TRUE(w.Find<QPushButton>("SaveButton")->isEnabled());
    EXPECT_EQ(Progress(), 0);
}

TEST_F(BackupTransferTest, RestoreWritesTheWorkingImageBackUnchanged) {
    std::vector<quint32> image(1792);
    for (std::size_t k = 0; k < image.size(); ++k)
        image[k] = static_cast<quint32>((k * 7) % 256);
    image[5] = 255;
    image[6] = 0;
    image.push_back(99); // lines after the image are not sent
    w.window->Image().Refill(image);
    w.Find<QPushButton>("WriteButton")->setEnabled(true); // as a loaded backup leaves it
    w.Click("WriteButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10046)});
    for (std::size_t k = 0; k < 1792; ++k)
        ASSERT_EQ(w.unit.Memory()[k], image[k]) << k;
    EXPECT_EQ(Progress(), 0);
    EXPECT_EQ(w.window->Image().Values(), image) << "the working image stays";
}

// A working image that is not 1792 byte values would change the unit's memory
// into something no backup said: nothing is sent, the window stays connected.
TEST_F(BackupTransferTest, ImageThatIsNoRegistrationImageIsRefusedBeforeAnythingIsSent) {
    std::vector<quint32> full(1792, 9);
    const struct {
        const char* what;
        std::vector<quint32> image;
    } cases[] = {
        {"1791 values", std::vector<quint32>(1791, 9)},
        {"empty", {}},
        {"a settings file", std::vector<quint32>(96, 0)},
        {"300 in byte 5",
         [&] {
             auto v = full;
             v[5] = 300;
             return v;
         }()},
        {"-1 from a file in byte 1791",
         [&] {
             auto v = full;
             v[1791] = 0xFFFFFFFFu;
             return v;
         }()},
        {"256 in byte 0",
         [&] {
             auto v = full;
             v[0] = 256;
             return v;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.window->Image().Refill(c.image);
        w.Find<QPushButton>("WriteButton")->setEnabled(true);
        const unsigned writesBefore = w.transport.Writes();
        const auto memoryBefore = w.unit.Memory();
        w.window->SetStatusText({}); // the same text again shows as a change
        w.TakeStatusTexts();
        w.Click("WriteButton");
        EXPECT_EQ(w.transport.Writes(), writesBefore);
        EXPECT_EQ(w.unit.Memory(), memoryBefore);
        EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10100)});
        EXPECT_EQ(w.TakeStatusTexts(), QStringList{Text(10100)});
        EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Error);
        EXPECT_EQ(w.window->Image().Values(), c.image);
        EXPECT_TRUE(w.window->Commands()->DisconnectButton->isEnabled()) << "still connected";
        EXPECT_EQ(w.window->MainPageC->ActivePage(), w.window->RegistBackupTabSh);
    }
}

TEST_F(BackupTransferTest, FailedReadKeepsTheImageAndTheProgressAndResets) {
    w.window->Image().Refill({1, 2, 3});
    w.Click("RegBackupCreateButton");
    // Fails in the middle of the data: mark (2 reads), then packet 10.
    w.transport.FailRead(12);
    w.Click("ReadButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10084)});
    EXPECT_EQ(w.window->Image().Values(), (std::vector<quint32>{1, 2, 3}));
    EXPECT_GT(Progress(), 0) << "the last percentage shown stays";
    EXPECT_FALSE(w.window->MainPageC->isVisible());
}

} // namespace
} // namespace tunbox
