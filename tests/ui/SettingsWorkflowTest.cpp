#include "app/MessageTable.h"
#include "link/Transport.h"
#include "model/FactoryDefaults.h"
#include "support/WindowUnderTest.h"
#include "ui/ExitOnBadData.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

namespace tunbox {
namespace {

class SettingsWorkflowTest : public ::testing::Test {
  protected:
    void Activate(QWidget* page) {
        w.window->MainPageC->SetTabShown(page, true);
        w.window->MainPageC->SetActivePage(page);
    }

    std::array<quint32, 256> PackedRele() const {
        std::array<quint32, 256> block{};
        w.window->ReleSettingsTabSh->PackReleImage(block);
        return block;
    }

    std::array<quint32, 256> PackedRpu() const {
        std::array<quint32, 256> block{};
        w.window->ReleSettingsTabRPU->PackRpuImage(block);
        return block;
    }

    WindowUnderTest w;
};

TEST_F(SettingsWorkflowTest, DefaultsFillTheActiveRelePageOnly) {
    Activate(w.window->ReleSettingsTabSh);
    const auto rpuBefore = PackedRpu();

    QPushButton* button = w.Find<QPushButton>("DefaultSettingsButton");
    button->setEnabled(true);
    button->click();

    const auto rele = PackedRele();
    const auto& defaults = FactoryDefaults();
    for (int byte : {0, 8, 21, 23, 27, 28, 32, 34, 42, 43, 44})
        EXPECT_EQ(rele[byte], defaults[byte]) << "byte " << byte;
    // Output 3 is in mode "Звуковой", whose duration list starts at code 10.
    EXPECT_EQ(rele[41], 10u);
    EXPECT_EQ(PackedRpu(), rpuBefore);
    EXPECT_EQ(w.window->StatusText(), Msg(10014));
    EXPECT_TRUE(w.dialogs.Messages().empty());
}

TEST_F(SettingsWorkflowTest, DefaultsOnTheReceiverPageLeaveNoModeChosen) {
    Activate(w.window->ReleSettingsTabRPU);
    w.Find<QRadioButton>("RadioButton14")->click();
    ASSERT_TRUE(w.Find<QRadioButton>("RadioButton14")->isChecked());
    const auto releBefore = PackedRele();

    w.window->Work().settings.DefaultSettingsButtonClick();

    for (int output = 1; output <= 3; ++output)
        for (int mode = 1; mode <= 7; ++mode)
            EXPECT_FALSE(w.Find<QRadioButton>(
                              QStringLiteral("RadioButton%1%2").arg(output).arg(mode).toLatin1())
                             ->isChecked());
    EXPECT_EQ(PackedRele(), releBefore);
    EXPECT_EQ(w.window->StatusText(), Msg(10014));
}

TEST_F(SettingsWorkflowTest, DefaultsOnAnotherPageChangeNothingButStillReport) {
    const auto releBefore = PackedRele();
    const auto rpuBefore = PackedRpu();

    w.window->Work().settings.DefaultSettingsButtonClick();

    EXPECT_EQ(PackedRele(), releBefore);
    EXPECT_EQ(PackedRpu(), rpuBefore);
    EXPECT_EQ(w.window->StatusText(), Msg(10014));
}

// The repeater page's rules read the window: a receiver/repeater unit with
// RTR_rb checked may choose the sound output's minute duration.
TEST_F(SettingsWorkflowTest, RelePageRulesSeeTheWindowsOperatingMode) {
    Activate(w.window->ReleSettingsTabSh);
    w.window->Work().settings.DefaultSettingsButtonClick();
    ASSERT_FALSE(w.Find<QComboBox>("TimePeriod3")->isEnabled());

    // A unit of version 10_4 with the repeater mode chosen: the mode handler
    // keeps the repeater page shown.
    w.window->Fields().Unit = IdentifyUnit(104);
    w.window->MainTabSh->RTR_rb->setChecked(true);
    ASSERT_EQ(w.window->MainPageC->ActivePage(), w.window->ReleSettingsTabSh);
    w.window->Work().settings.DefaultSettingsButtonClick();

    EXPECT_TRUE(w.Find<QComboBox>("TimePeriod3")->isEnabled());
}

// Dialogs and transport that say on stderr what happened, so the parent of a
// death test can see the order of events in the child that ended.
class ReportingDialogs final : public Dialogs {
  public:
    MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override {
        std::fprintf(stderr, "BOX[%s|%s|%s|%s]\n", qPrintable(caption), qPrintable(text),
                     icon == MessageIcon::Error ? "error" : "other",
                     buttons == MessageButtons::Ok ? "ok" : "other");
        return MessageAnswer::Ok;
    }
    QString GetOpenFileName(const FileDialogRequest&) override { return {}; }
    QString GetSaveFileName(const FileDialogRequest&) override { return {}; }
    void SetHourglass(bool) override {}
    bool OpenUrl(const QUrl&) override { return false; }
};

class ReportingTransport final : public Transport {
  public:
    bool OpenUnit() override { return true; }
    void CloseUnit() override { std::fprintf(stderr, "PIPES-CLOSED\n"); }
    bool WriteByte(std::uint8_t) override { return true; }
    bool WritePacket(const std::uint8_t (&)[PacketLength]) override { return true; }
    bool ReadByte(std::uint8_t&) override { return false; }
    bool ReadPacket(std::uint8_t (&)[PacketLength]) override { return false; }
    void FlushWritePipe() override {}
    void FlushReadPipe() override {}
    unsigned DeviceCount() const override { return 1; }
};

TEST(BadSettingsDataDeathTest, BoxThenPipesClosedThenExitCodeOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto unpackBadBlock = [] {
        ReportingDialogs dialogs;
        ReportingTransport transport;
        ExitOnBadData end(dialogs, transport);
        ReleSettingsPage page;
        std::array<quint32, 256> block{};
        block[5] = 8;
        page.UnpackReleImage(block, end);
        std::fprintf(stderr, "RETURNED\n");
    };
    EXPECT_EXIT(unpackBadBlock(), ::testing::ExitedWithCode(1),
                "BOX\\[Ошибка!\\|Ошибка в данных, считанных с прибора \\(Байт №5=8\\)\\. "
                "Программа завершает свою работу\\.\\|error\\|ok\\]\nPIPES-CLOSED\n$");
}

} // namespace
} // namespace tunbox
