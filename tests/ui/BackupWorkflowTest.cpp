// The backup page's action buttons, its mode in the system and the module
// address check, connected and in demo work.
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

// Enabled state of "Считать", "Записать", "Сохранить", "Загрузить" and of the
// mode group, object number and module address.
struct Usable {
    bool read, write, save, load, mode, object, module;
    bool operator==(const Usable&) const = default;
};

void PrintTo(const Usable& u, std::ostream* os) {
    *os << "{read " << u.read << ", write " << u.write << ", save " << u.save << ", load " << u.load
        << ", mode " << u.mode << ", object " << u.object << ", module " << u.module << "}";
}

Usable UsableOf(const SimulatedWindow& w) {
    const CommandColumn* c = w.window->Commands();
    const BackupPage* p = w.window->RegistBackupTabSh;
    return {c->ReadButton->isEnabled(),  c->WriteButton->isEnabled(),    c->SaveButton->isEnabled(),
            c->LoadButton->isEnabled(),  p->RPU_RTRRadioGr->isEnabled(), p->ObjNumEdit->isEnabled(),
            p->ModuleNumCmB->isEnabled()};
}

class BackupPageTest : public ::testing::Test {
  protected:
    void EnterConnected() {
        w.Connect();
        w.ChoosePage(w.window->RegistBackupTabSh);
    }
    void EnterDemo() {
        w.ChooseWorkMode(CommandColumn::DemoItem);
        w.Click("RPU_rb");
        w.ChoosePage(w.window->RegistBackupTabSh);
    }
    BackupPage* Page() const { return w.window->RegistBackupTabSh; }
    // A loaded backup as the page shows it.
    void ShowRecord() {
        Page()->RegFNameLabel2->setText("klt_rpu_3_081226_object_12_conf_77.rrg");
        Page()->ConfCodeLabel2->setText("77");
        Page()->ObjNumEdit->setText("12");
        Page()->ModuleNumCmB->addItems({"1", "2"});
        Page()->ModuleNumCmB->setEditText("3");
    }
    void ExpectEmptyRecord() const {
        EXPECT_TRUE(Page()->RegFNameLabel2->text().isEmpty());
        EXPECT_TRUE(Page()->ConfCodeLabel2->text().isEmpty());
        EXPECT_TRUE(Page()->ObjNumEdit->text().isEmpty());
        EXPECT_TRUE(Page()->ModuleNumCmB->currentText().isEmpty());
        EXPECT_EQ(Page()->ModuleNumCmB->count(), 0);
    }

    SimulatedWindow w;
};

TEST_F(BackupPageTest, ActionButtonsChooseWhatTheSharedButtonsAreForWhenConnected) {
    EnterConnected();
    EXPECT_EQ(UsableOf(w), (Usable{false, false, false, false, false, false, false}));
    const struct {
        const char* button;
        Usable usable;
    } cases[] = {
        {"RegBackupCreateButton", {true, false, false, false, true, false, false}},
        {"RegBackupRestoreButton", {false, false, false, true, false, false, false}},
        {"RegBackupDeleteButton", {false, false, false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        ShowRecord();
        if (c.button == std::string("RegBackupDeleteButton"))
            w.dialogs.QueueFileName({}); // the delete workflow's dialog, cancelled
        w.Click(c.button);
        EXPECT_EQ(UsableOf(w), c.usable) << c.button;
        EXPECT_EQ(Page()->RPU_RTRRadioGr->ItemIndex(), -1) << c.button;
        ExpectEmptyRecord();
    }
}

TEST_F(BackupPageTest, DemoWorkOffersLoadAndDeleteOnly) {
    EnterDemo();
    EXPECT_FALSE(Page()->RegBackupCreateButton->isEnabled());
    EXPECT_FALSE(Page()->RegBackupRestoreButton->isEnabled());
    EXPECT_TRUE(Page()->RegBackupDeleteButton->isEnabled());
    EXPECT_TRUE(w.Find<QPushButton>("LoadButton")->isEnabled());
    EXPECT_TRUE(Page()->Dev2TypeLabel2->text().isEmpty());

    // What the demo branches set, pressed the way the program does.
    w.window->Work().backup.RegBackupCreateButtonClick(Page()->RegBackupCreateButton);
    EXPECT_EQ(UsableOf(w), (Usable{false, false, false, false, true, true, true}));
    w.window->Work().backup.RegBackupCreateButtonClick(Page()->RegBackupRestoreButton);
    EXPECT_TRUE(UsableOf(w).load);
    EXPECT_FALSE(UsableOf(w).mode);
    w.dialogs.QueueFileName({});
    w.Click("RegBackupDeleteButton");
    EXPECT_FALSE(UsableOf(w).object);
    EXPECT_FALSE(UsableOf(w).module);
}

TEST_F(BackupPageTest, CreatePressedOverALoadedBackupEmptiesTheRecord) {
    EnterConnected();
    w.Click("RegBackupCreateButton");
    Page()->RPU_RTRRadioGr->SetItemIndex(1);
    ShowRecord();
    w.Click("RegBackupCreateButton");
    ExpectEmptyRecord();
    EXPECT_EQ(Page()->RPU_RTRRadioGr->ItemIndex(), -1);
}

TEST_F(BackupPageTest, ChoosingTheModeFillsTheAddressListAndEmptiesTheFields) {
    EnterConnected();
    w.Click("RegBackupCreateButton");
    QComboBox* module = Page()->ModuleNumCmB;
    w.Click(Page()->RPU_RTRRadioGr->Item(1));
    EXPECT_EQ(module->count(), 192);
    EXPECT_EQ(module->itemText(0), "5");
    EXPECT_EQ(module->itemText(191), "196");
    EXPECT_TRUE(module->currentText().isEmpty());
    EXPECT_TRUE(Page()->ObjNumEdit->isEnabled());
    EXPECT_TRUE(module->isEnabled());

    Page()->ObjNumEdit->setText("7");
    module->setEditText("150");
    w.Click(Page()->RPU_RTRRadioGr->Item(0));
    EXPECT_EQ(module->count(), 4);
    EXPECT_EQ(module->itemText(3), "4");
    EXPECT_TRUE(module->currentText().isEmpty());
    EXPECT_TRUE(Page()->ObjNumEdit->text().isEmpty());

    // The program choosing the mode (as loading a file does) runs the same.
    Page()->RPU_RTRRadioGr->SetItemIndex(1);
    EXPECT_EQ(module->count(), 192);
}

TEST_F(BackupPageTest, ModuleAddressOutsideTheModesRangeIsRefusedWhenLeft) {
    EnterConnected();
    w.Click("RegBackupCreateButton");
    const struct {
        int mode; // -1: none chosen
        const char* text;
        bool refused;
    } cases[] = {
        {1, "4", true}, {1, "5", false}, {1, "196", false},  {1, "197", true}, {1, "x", true},
        {1, "", false}, {0, "1", false}, {0, "4", false},    {0, "5", true},   {0, "0", true},
        {0, "x", true}, {0, "", false},  {-1, "999", false}, {-1, "x", false},
    };
    QComboBox* module = Page()->ModuleNumCmB;
    // Focus moves between fields only in the active window.
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in mode " + std::to_string(c.mode));
        if (c.mode >= 0)
            Page()->RPU_RTRRadioGr->SetItemIndex(c.mode);
        else
            Page()->RPU_RTRRadioGr->SetItemIndex(-1);
        module->setEnabled(true);
        module->setFocus();
        module->setEditText(QString::fromLatin1(c.text));
        w.TakeBoxes();
        // The user tabs on to the next field.
        Page()->ObjNumEdit->setEnabled(true);
        Page()->ObjNumEdit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QStringList boxes = w.TakeBoxes();
        EXPECT_EQ(boxes, c.refused ? QStringList{Text(10030)} : QStringList{});
        if (c.refused) {
            EXPECT_TRUE(module->hasFocus() || module->isAncestorOf(QApplication::focusWidget()))
                << "the focus goes back to the field";
            EXPECT_EQ(module->currentText(), QString::fromLatin1(c.text)) << "kept for correction";
        }
    }
}

} // namespace
} // namespace tunbox
