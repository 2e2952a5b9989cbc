#include "support/WindowUnderTest.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/WelcomeArea.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

class MainWindowBehaviour : public ::testing::Test {
  protected:
    void SetUp() override { w.window->show(); }

    QWidget* WorkingList() const { return w.window->MainTabSh->TempListB2; }
    QWidget* Memo() const { return w.window->MainTabSh->Memo1; }

    WindowUnderTest w;
};

TEST_F(MainWindowBehaviour, ShowingTheWindowAgainReturnsToTheWelcomeArea) {
    PageControl* pages = w.window->MainPageC;
    pages->show();
    for (QWidget* page :
         std::initializer_list<QWidget*>{w.window->RegistBackupTabSh, w.window->ReleSettingsTabSh,
                                         w.window->ReleSettingsTabRPU})
        pages->SetTabShown(page, true);
    WelcomeArea* welcome = w.window->Welcome();
    for (QWidget* partner :
         {welcome->Logo1_ZELK_lb, welcome->logo2_ZELK_lb, welcome->logo4_ZELK_lb})
        partner->show();

    w.window->hide();
    w.window->show();

    EXPECT_FALSE(pages->isVisible());
    EXPECT_TRUE(pages->IsTabShown(w.window->MainTabSh));
    EXPECT_FALSE(pages->IsTabShown(w.window->RegistBackupTabSh));
    EXPECT_FALSE(pages->IsTabShown(w.window->ReleSettingsTabSh));
    EXPECT_FALSE(pages->IsTabShown(w.window->ReleSettingsTabRPU));
    EXPECT_FALSE(welcome->Logo1_ZELK_lb->isVisible());
    EXPECT_FALSE(welcome->logo2_ZELK_lb->isVisible());
    EXPECT_FALSE(welcome->logo4_ZELK_lb->isVisible());
    EXPECT_TRUE(welcome->Logo1_lb->isVisible());
}

TEST_F(MainWindowBehaviour, F5ShowsAndThenHidesTheWorkingListAndMemoWhateverTheModifiers) {
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier)}) {
        SCOPED_TRACE(static_cast<int>(modifiers));
        w.window->setFocus();
        QTest::keyClick(w.window.get(), Qt::Key_F5, modifiers);
        EXPECT_FALSE(WorkingList()->isHidden());
        EXPECT_FALSE(Memo()->isHidden());
        QTest::keyClick(w.window.get(), Qt::Key_F5, modifiers);
        EXPECT_TRUE(WorkingList()->isHidden());
        EXPECT_TRUE(Memo()->isHidden());
    }
}

TEST_F(MainWindowBehaviour, F5DoesNothingWhileAControlHasTheFocus) {
    QWidget* control = w.window->Commands()->ConnectButton;
    control->setFocus();
    ASSERT_EQ(w.window->focusWidget(), control);
    // Sent to the focused control the key travels up to the window unhandled;
    // sent to the window itself it meets the same rule.
    for (QWidget* target : {control, static_cast<QWidget*>(w.window.get())}) {
        SCOPED_TRACE(target->objectName().toStdString());
        QTest::keyClick(target, Qt::Key_F5);
        EXPECT_TRUE(WorkingList()->isHidden());
        EXPECT_TRUE(Memo()->isHidden());
    }
}

TEST_F(MainWindowBehaviour, NoOtherKeyTogglesTheWorkingList) {
    w.window->setFocus();
    for (const Qt::Key key : {Qt::Key_F4, Qt::Key_F6, Qt::Key_5, Qt::Key_Escape, Qt::Key_Return}) {
        QTest::keyClick(w.window.get(), key);
        EXPECT_TRUE(WorkingList()->isHidden()) << key;
        EXPECT_TRUE(Memo()->isHidden()) << key;
    }
}

TEST_F(MainWindowBehaviour, ExitQuestionAnsweredNoKeepsTheWindowAndThePipes) {
    w.dialogs.QueueAnswer(MessageAnswer::No);

    EXPECT_FALSE(w.window->close());

    EXPECT_TRUE(w.window->isVisible());
    EXPECT_TRUE(w.transport.Calls().empty());
    ASSERT_EQ(w.dialogs.Messages().size(), 1u);
    const ShownMessage& asked = w.dialogs.Messages().front();
    EXPECT_EQ(asked.caption, "Системное сообщение");
    EXPECT_EQ(asked.text, "Вы действительно хотите выйти?");
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
}

TEST_F(MainWindowBehaviour, ExitQuestionAnsweredYesClosesThePipesOnceAndTheWindow) {
    w.dialogs.QueueAnswer(MessageAnswer::Yes);

    EXPECT_TRUE(w.window->close());

    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(w.transport.Calls(), std::vector<std::string>{"CloseUnit"});
    EXPECT_EQ(w.dialogs.Messages().size(), 1u);
}

TEST_F(MainWindowBehaviour, ChoosingOnLineAgainReturnsTheCommandsToNotConnected) {
    CommandColumn* commands = w.window->Commands();
    // As a later workflow might leave them.
    w.window->MainPageC->show();
    w.window->MainPageC->SetActivePage(w.window->RegistBackupTabSh);
    w.window->Fields().DemoMode = true;
    commands->ConnectButton->setEnabled(false);
    commands->DisconnectButton->setEnabled(true);
    w.window->MainTabSh->DevOperModeGrB->hide();
    for (QWidget* button : {commands->WriteButton, commands->ReadButton, commands->SaveButton,
                            commands->LoadButton, commands->DefaultSettingsButton})
        button->setEnabled(true);

    QComboBox* operMode = commands->OperModeCmB;
    operMode->setCurrentIndex(CommandColumn::OnLineItem);
    emit operMode->activated(CommandColumn::OnLineItem);

    EXPECT_FALSE(w.window->Fields().DemoMode);
    EXPECT_TRUE(commands->ConnectButton->isEnabled());
    EXPECT_FALSE(commands->DisconnectButton->isEnabled());
    EXPECT_FALSE(w.window->MainTabSh->DevOperModeGrB->isHidden());
    for (QWidget* button : {commands->WriteButton, commands->ReadButton, commands->SaveButton,
                            commands->LoadButton, commands->DefaultSettingsButton})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_EQ(w.window->MainPageC->ActivePage(), static_cast<QWidget*>(w.window->MainTabSh));
    EXPECT_FALSE(w.window->MainPageC->isVisible());
    EXPECT_TRUE(w.transport.Calls().empty());
}

// Translates every caption of the window by marking it, as a language module would.
class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        return QStringLiteral("EN[%1] %2")
            .arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

TEST_F(MainWindowBehaviour, ALanguageChangeRetranslatesCaptionsAndKeepsTheState) {
    CommandColumn* commands = w.window->Commands();
    BackupPage* backup = w.window->RegistBackupTabSh;
    backup->RPU_RTRRadioGr->SetItemIndex(1);
    commands->ConnectButton->setEnabled(false);

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();

    EXPECT_TRUE(w.window->windowTitle().startsWith("EN["));
    EXPECT_TRUE(commands->ConnectButton->text().startsWith("EN[tunbox::CommandColumn] Установить"));
    EXPECT_TRUE(commands->ConnectButton->toolTip().startsWith("EN["));
    EXPECT_TRUE(w.window->MainTabSh->RPU_rb->text().startsWith("EN[tunbox::MainPage]"));
    EXPECT_TRUE(backup->RegBackupDeleteButton->text().startsWith("EN[tunbox::BackupPage]"));
    EXPECT_TRUE(w.window->Welcome()->Logo1_lb->text().startsWith("EN[tunbox::WelcomeArea]"));
    EXPECT_TRUE(w.window->Bottom().btn_ChangeLang->text().startsWith("EN[tunbox::BottomStrip]"));
    EXPECT_TRUE(w.window->MainPageC->tabText(0).startsWith("EN[tunbox::MainWindow]"));
    EXPECT_TRUE(commands->OperModeCmB->itemText(0).startsWith("EN["));
    EXPECT_EQ(commands->OperModeCmB->currentIndex(), CommandColumn::OnLineItem);
    EXPECT_EQ(backup->RPU_RTRRadioGr->ItemIndex(), 1);
    EXPECT_FALSE(commands->ConnectButton->isEnabled());

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    EXPECT_EQ(commands->ConnectButton->text(), "Установить");
    EXPECT_EQ(w.window->Welcome()->Label_webaddr->text(), "www.zoren.example");
}

TEST(MainWindowConstruction, SetsTheProgramFolderAndFileNameParts) {
    WindowUnderTest w(QDate(2026, 12, 8));
    const WindowFields& fields = w.window->Fields();
    EXPECT_EQ(fields.ProgramDir, w.programDir.path());
    EXPECT_FALSE(fields.DemoMode);
    EXPECT_EQ(fields.OutputCount, 3u);
    EXPECT_EQ(fields.ReleImageLength, 45u);
    EXPECT_EQ(fields.SettingsImageLength, 96u);
    EXPECT_EQ(fields.RpuFilePrefix, "klt_rpu_");
    EXPECT_EQ(fields.RtrFilePrefix, "klt_rtr_");
    EXPECT_EQ(fields.ObjectFilePrefix, "object_");
    EXPECT_EQ(fields.ConfTag, "_conf_");
    EXPECT_TRUE(fields.NewFirmwareFile.isEmpty());
    EXPECT_EQ(fields.DateTag, "_081226_");
    for (const char* folder : {"reg", "base", "conf"})
        EXPECT_TRUE(QFileInfo(QDir(w.programDir.path()).filePath(folder)).isDir()) << folder;
    // Building the window talks to no unit.
    EXPECT_TRUE(w.transport.Calls().empty());
}

} // namespace
} // namespace tunbox
