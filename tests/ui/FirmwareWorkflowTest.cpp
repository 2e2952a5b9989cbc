// The firmware files on the main page: the list of the chosen mode, a file's
// details and checks, the upload, and the update offered after connecting.
#include "model/WorkingImage.h"
#include "support/SimulatedWindow.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"

#include <QDir>
#include <QListWidget>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

QStringList Entries(const SimulatedWindow& w) {
    QStringList names;
    const QListWidget* list = w.window->MainTabSh->SoftUpdatesListBox;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// The user clicks the entry called name in the list.
void ClickEntry(SimulatedWindow& w, const QString& name) {
    QListWidget* list = w.window->MainTabSh->SoftUpdatesListBox;
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->setCurrentItem(found.first());
    emit list->itemClicked(found.first());
}

TEST(FirmwareCatalogue, ConnectingListsTheModesFilesAndOffersOnlyANewerOne) {
    const struct {
        const char* label;
        std::uint8_t version;
        QStringList files;
        QStringList listed;
        bool offered;
    } cases[] = {
        {"newest last",
         104,
         {"klt-rpu_10_4.bin", "KLT-RPU_10_6.BIN", "klt-mro_2_1.bin"},
         {"klt-rpu_10_4.bin", "KLT-RPU_10_6.BIN"},
         true},
        {"digits from the whole name",
         104,
         {"old_klt-rpu-9_9_9.bin"},
         {"old_klt-rpu-9_9_9.bin"},
         true},
        {"same version", 104, {"klt-rpu_10_4.bin"}, {"klt-rpu_10_4.bin"}, false},
        {"relay module",
         39,
         {"klt-mro_3_8.bin", "klt-mro_4_0.bin", "klt-rpu_10_6.bin"},
         {"klt-mro_3_8.bin", "klt-mro_4_0.bin"},
         true},
        {"none", 104, {}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SimulatedWindow w(c.version);
        for (const QString& name : c.files)
            w.PutFirmwareFile(name, 1);
        if (c.offered)
            w.dialogs.QueueAnswer(MessageAnswer::No);
        w.Click("ConnectButton");
        EXPECT_EQ(Entries(w), c.listed);
        const QStringList status = w.TakeStatusTexts();
        EXPECT_EQ(status.contains(Text(10063)), !c.offered);
        EXPECT_EQ(status.last(), Text(10064));
        const auto& shown = w.dialogs.Messages();
        EXPECT_EQ(!shown.empty() && shown.back().text == Text(10062), c.offered);
        EXPECT_FALSE(w.window->MainTabSh->WriteSWButton->isEnabled());
    }
}

TEST(FirmwareCatalogue, NoUpdateIsOfferedForAnotherKindOfUnit) {
    SimulatedWindow w(39); // relay-module firmware
    w.PutFirmwareFile("klt-rpu_10_6.bin", 1);
    w.Connect();
    w.TakeBoxes();
    w.Click("RPU_rb");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10025)}) << "the mode asks for other firmware";
    EXPECT_EQ(Entries(w), QStringList{"klt-rpu_10_6.bin"});
    EXPECT_EQ(w.window->Fields().CatalogueMode, 0);
}

TEST(FirmwareCatalogue, CandidateWithoutAVersionIsReportedAndNotOffered) {
    SimulatedWindow w;
    w.PutFirmwareFile("klt-rpu_99999999999.bin", 1);
    w.Click("ConnectButton");
    const QStringList boxes = w.TakeBoxes();
    ASSERT_EQ(boxes.size(), 1) << boxes.join(" | ").toStdString();
    EXPECT_TRUE(boxes[0].contains("klt-rpu_99999999999.bin")) << boxes[0].toStdString();
    EXPECT_EQ(Entries(w), QStringList{"klt-rpu_99999999999.bin"});
    EXPECT_EQ(w.window->StatusText(), Text(10064));
}

TEST(FirmwareCatalogue, ChoosingAModeReportsItsCandidateWithoutAVersion) {
    SimulatedWindow w;
    w.PutFirmwareFile("klt-mro.bin", 1);
    w.Connect();
    w.TakeBoxes();
    w.Click("MRO_rb");
    const QStringList boxes = w.TakeBoxes();
    ASSERT_EQ(boxes.size(), 2) << boxes.join(" | ").toStdString();
    EXPECT_EQ(boxes[0], Text(10025));
    EXPECT_TRUE(boxes[1].contains("klt-mro.bin")) << boxes[1].toStdString();
    EXPECT_EQ(Entries(w), QStringList{"klt-mro.bin"});
}

class FirmwareFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Names of version 1: listed, never offered to a unit of 10_4.
        w.PutFirmwareFile("klt-rpu_a1.bin", 0x69);
        w.PutFirmwareFile("klt-rpu_b1.bin", 0x69, 74, 0x12, 0x54);
        w.PutFirmwareFile("klt-rpu_c1.bin", 0x69, 74, 0x13);
        w.PutFirmwareFile("klt-rpu_d1.bin", 0x69, 72);
        w.PutFirmwareFile("klt-rpu_e1.bin", 0x69, 75);
        w.PutFirmwareFile("klt-rpu_f1.bin", 0x69, 8);
        QDir(w.programDir.path()).mkpath("base/klt-rpu_g1.bin");
        w.Connect();
        w.TakeBoxes();
        w.TakeStatusTexts();
        w.window->Image().Refill({7, 7, 7});
    }
    MainPage* Page() const { return w.window->MainTabSh; }
    void ExpectUsableAgain() const {
        for (QWidget* widget :
             {static_cast<QWidget*>(Page()->SoftUpdatesListBox),
              static_cast<QWidget*>(Page()->DevOperModeGrB), static_cast<QWidget*>(Page()->RPU_rb),
              static_cast<QWidget*>(Page()->MRO_rb), static_cast<QWidget*>(w.window->MainPageC)})
            EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
        EXPECT_FALSE(w.dialogs.HourglassOn());
    }

    SimulatedWindow w;
};

TEST_F(FirmwareFileTest, AGoodFileShowsItsDetailsAndBecomesTheWorkingImage) {
    ClickEntry(w, "klt-rpu_a1.bin");
    EXPECT_EQ(Page()->NewSoftVerLabel2->text(), "10_5");
    EXPECT_EQ(Page()->SoftFNameLabel2->text(), "klt-rpu_a1.bin");
    EXPECT_EQ(Page()->SoftFTypeLabel2->text(), Text(10019));
    EXPECT_EQ(Page()->SoftFSizeLabel2->text(), "74");
    EXPECT_FALSE(Page()->SoftFDateLabel2->text().isEmpty());
    EXPECT_TRUE(Page()->SoftUpdateGrB->isVisible());
    EXPECT_TRUE(Page()->WriteSWButton->isEnabled());
    EXPECT_EQ(w.window->Image().Count(), 74u);
    EXPECT_EQ(w.window->Image().Values()[3], 0x69u);
    EXPECT_EQ(w.window->Fields().FirmwareSize, 74u);
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10016), Text(10021)}));
    ExpectUsableAgain();
}

TEST_F(FirmwareFileTest, RefusedFilesLeaveTheImageAndKeepTheUploadDisabled) {
    const struct {
        const char* name;
        int message; // 0: a file error naming the file
        bool detailsShown;
    } cases[] = {
        {"klt-rpu_b1.bin", 10017, false}, {"klt-rpu_c1.bin", 10018, true},
        {"klt-rpu_d1.bin", 10017, false}, {"klt-rpu_e1.bin", 10017, false},
        {"klt-rpu_f1.bin", 10017, false}, {"klt-rpu_g1.bin", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (QLabel* label : {Page()->SoftFNameLabel2, Page()->SoftFSizeLabel2})
            label->clear();
        ClickEntry(w, c.name);
        const QStringList boxes = w.TakeBoxes();
        ASSERT_EQ(boxes.size(), 1);
        if (c.message) {
            EXPECT_EQ(boxes[0], Text(c.message));
            EXPECT_EQ(w.dialogs.Messages().back().caption, Text(10013));
            EXPECT_EQ(w.window->StatusText(), Text(c.message));
        } else {
            EXPECT_TRUE(boxes[0].contains(c.name)) << boxes[0].toStdString();
        }
        EXPECT_EQ(Page()->SoftFNameLabel2->text().isEmpty(), !c.detailsShown);
        EXPECT_FALSE(Page()->SoftUpdateGrB->isVisible());
        EXPECT_FALSE(Page()->WriteSWButton->isEnabled());
        EXPECT_EQ(w.window->Image().Values(), (std::vector<quint32>{7, 7, 7}));
        ExpectUsableAgain();
    }
}

TEST_F(FirmwareFileTest, ClickWithNoEntrySelectedReadsNothing) {
    Page()->SoftUpdatesListBox->setCurrentRow(-1);
    w.window->Work().firmware.SoftUpdatesListBoxClick();
    EXPECT_TRUE(w.TakeStatusTexts().isEmpty());
    EXPECT_FALSE(Page()->WriteSWButton->isEnabled());
    ExpectUsableAgain();
}

TEST_F(FirmwareFileTest, SuccessfulUploadReconnectsAndShowsTheNewFirmware) {
    ClickEntry(w, "klt-rpu_a1.bin");
    w.TakeBoxes();
    w.Click("WriteSWButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10023)});
    EXPECT_EQ(w.unit.LastFirmware().size(), 74u);
    EXPECT_EQ(w.unit.Version(), 0x69);
    EXPECT_EQ(Page()->CurrentSoftVerLabel2->text(), "10_5");
    EXPECT_EQ(Page()->DevTypeLabel2->text(), Text(10005));
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    EXPECT_TRUE(w.window->Commands()->DisconnectButton->isEnabled());
    EXPECT_TRUE(Page()->SoftUpdatesListBox->isEnabled());
    EXPECT_EQ(w.window->Bottom().MainProgressB->value(), 0);
}

TEST_F(FirmwareFileTest, RefusedUploadLeavesTheWindowNotConnected) {
    ClickEntry(w, "klt-rpu_a1.bin");
    w.TakeBoxes();
    w.unit.Faults().answerStatus = 1;
    w.Click("WriteSWButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10024)});
    EXPECT_EQ(w.window->StatusText(), Text(10024));
    EXPECT_FALSE(w.window->MainPageC->isVisible());
    EXPECT_TRUE(w.window->Commands()->ConnectButton->isEnabled());
    EXPECT_EQ(w.window->Bottom().MainProgressB->value(), 0);
    EXPECT_EQ(w.unit.Version(), 104) << "nothing was stored";

    // Connected again, the page control and the choices take input.
    w.unit.Faults().answerStatus = 0;
    w.Connect();
    for (QWidget* control : {static_cast<QWidget*>(w.window->MainPageC),
                             static_cast<QWidget*>(w.window->MainTabSh->RPU_rb),
                             static_cast<QWidget*>(w.window->MainTabSh->SoftUpdatesListBox)})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
}

// Connecting to 10_4 with klt-rpu_10_5.bin in "base": the question, Yes, the
// upload's progress up to 100, the success box, and the unit connected anew.
TEST(FirmwareOffer, YesUpdatesTheUnitAndConnectsAgain) {
    SimulatedWindow w;
    w.PutFirmwareFile("klt-rpu_10_5.bin", 105, 10 + 64 * 16);
    w.dialogs.QueueAnswer(MessageAnswer::Yes);
    w.Click("ConnectButton");
    EXPECT_EQ(w.TakeBoxes(), (QStringList{Text(10062), Text(10023)}));
    EXPECT_NE(std::find(w.progress.begin(), w.progress.end(), 100), w.progress.end());
    EXPECT_EQ(w.window->MainTabSh->CurrentSoftVerLabel2->text(), "10_5");
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    EXPECT_TRUE(w.window->MainPageC->isEnabled());
    EXPECT_TRUE(w.window->Commands()->DisconnectButton->isEnabled());
    EXPECT_FALSE(w.dialogs.HourglassOn());
    EXPECT_EQ(w.unit.LastFirmware().size(), 10u + 64 * 16);
}

TEST(FirmwareOffer, EachUploadResultEndsAsTheWorkflowSays) {
    // Connect makes 16 writes and 8 reads before the upload: the link break and
    // the link initialisation.
    const struct {
        const char* label;
        unsigned failWrite;
        unsigned failRead;
        std::uint8_t answer;
        int message;
    } cases[] = {
        {"a write fails", 16 + 10, 0, 0, 10085},
        {"the unit refuses", 0, 0, 1, 10024},
        {"no verdict", 0, 8 + 1, 0, 10084},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SimulatedWindow w;
        w.PutFirmwareFile("klt-rpu_10_5.bin", 105, 10 + 64 * 4);
        w.dialogs.QueueAnswer(MessageAnswer::Yes);
        w.transport.FailWrite(c.failWrite);
        w.transport.FailRead(c.failRead);
        w.unit.Faults().answerStatus = c.answer;
        w.Click("ConnectButton");
        EXPECT_EQ(w.TakeBoxes(), (QStringList{Text(10062), Text(c.message)}));
        EXPECT_EQ(w.window->StatusText(), Text(c.message));
        EXPECT_FALSE(w.window->MainPageC->isVisible());
        EXPECT_TRUE(w.window->Commands()->ConnectButton->isEnabled());
        EXPECT_TRUE(w.window->Commands()->OperModeCmB->isEnabled());
        EXPECT_EQ(w.window->Bottom().MainProgressB->value(), 0);
        EXPECT_FALSE(w.dialogs.HourglassOn());

        // Connected again (the offer declined), the page takes input again.
        w.unit.Faults().answerStatus = 0;
        w.dialogs.QueueAnswer(MessageAnswer::No);
        w.Connect();
        EXPECT_TRUE(w.window->MainPageC->isEnabled());
        EXPECT_TRUE(w.window->MainTabSh->RPU_rb->isEnabled());
        EXPECT_TRUE(w.window->MainTabSh->SoftUpdatesListBox->isEnabled());
    }
}

TEST(FirmwareOffer, AnOfferedFileThatCannotBeReadLeavesThePageUsable) {
    SimulatedWindow w;
    // A folder named like a firmware file is listed and offered, but unreadable.
    QDir(w.programDir.path()).mkpath("base/klt-rpu_10_9.bin");
    w.dialogs.QueueAnswer(MessageAnswer::Yes);
    w.Click("ConnectButton");
    const QStringList boxes = w.TakeBoxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0], Text(10062));
    EXPECT_TRUE(boxes[1].contains("klt-rpu_10_9.bin"));
    EXPECT_EQ(w.window->StatusText(), Text(10064));
    const MainPage* page = w.window->MainTabSh;
    for (QWidget* widget :
         {static_cast<QWidget*>(page->SoftUpdatesListBox),
          static_cast<QWidget*>(page->DevOperModeGrB), static_cast<QWidget*>(w.window->MainPageC),
          static_cast<QWidget*>(w.window->Commands()->DisconnectButton)})
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    EXPECT_FALSE(w.dialogs.HourglassOn());
}

} // namespace
} // namespace tunbox
