#include "ui/BackupWorkflow.h"

#include "app/MessageTable.h"
#include "files/BackupFileName.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/MainWindow.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/widgets/WidgetLook.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace tunbox {
namespace {

// The chosen entry of RPU_RTRRadioGr as the backup name rules number it.
BackupMode ModeOf(const BackupPage& page) {
    switch (page.RPU_RTRRadioGr->ItemIndex()) {
    case 0:
        return BackupMode::Rpu;
    case 1:
        return BackupMode::Rtr;
    default:
        return BackupMode::None;
    }
}

} // namespace
BackupWorkflow::BackupWorkflow(MainWindow& window) : window_(window) {
    BackupPage* page = window.RegistBackupTabSh;
    for (QPushButton* button :
         {page->RegBackupCreateButton, page->RegBackupRestoreButton, page->RegBackupDeleteButton})
        connect(button, &QPushButton::clicked, this,
                [this, button] { RegBackupCreateButtonClick(button); });
    connect(page->RPU_RTRRadioGr, &RadioGroup::ItemChosen, this, [this] { RPU_RTRRadioGrClick(); });
    // The editable list hands its keyboard focus to its line edit; leaving
    // either counts as leaving the field.
    page->ModuleNumCmB->installEventFilter(this);
    if (page->ModuleNumCmB->lineEdit())
        page->ModuleNumCmB->lineEdit()->installEventFilter(this);
}

void BackupWorkflow::RegBackupCreateButtonClick(QObject* sender) {
    if (!sender)
        return;
    BackupPage* page = window_.RegistBackupTabSh;
    CommandColumn* commands = window_.Commands();
    const QString name = sender->objectName();
    const bool create = name == QLatin1String("RegBackupCreateButton");
    const bool restore = name == QLatin1String("RegBackupRestoreButton");
    const bool remove = name == QLatin1String("RegBackupDeleteButton");

    ClearRecord();
    // What each action sets alike in both works, and what only the connected
    // work adds for the shared buttons.
    const bool connected = !window_.Fields().DemoMode;
    if (create) {
        SetEnabled({commands->SaveButton, commands->LoadButton}, false);
        if (connected) {
            commands->WriteButton->setEnabled(false);
            commands->ReadButton->setEnabled(true);
        } else {
            SetEnabled({page->ObjNumEdit, page->ModuleNumCmB}, true);
        }
        page->RPU_RTRRadioGr->SetItemIndex(-1);
        page->RPU_RTRRadioGr->setEnabled(true);
    } else if (restore) {
        if (connected)
            SetEnabled({commands->WriteButton, commands->ReadButton, commands->SaveButton}, false);
        commands->LoadButton->setEnabled(true);
        SetEnabled({page->ObjNumEdit, page->ModuleNumCmB, page->RPU_RTRRadioGr}, false);
    } else if (remove) {
        if (connected)
            SetEnabled({commands->WriteButton, commands->ReadButton, commands->SaveButton,
                        commands->LoadButton},
                       false);
        SetEnabled({page->ObjNumEdit, page->ModuleNumCmB}, false);
        window_.Work().backupFiles.DeleteBackupFile();
    }
    ClearRecord();
}

void BackupWorkflow::RPU_RTRRadioGrClick() {
    BackupPage* page = window_.RegistBackupTabSh;
    page->ObjNumEdit->setEnabled(true);
    page->ModuleNumCmB->setEnabled(true);
    page->ObjNumEdit->clear();
    page->ModuleNumCmB->clear();
    page->ModuleNumCmB->clearEditText();
    page->ObjNumEdit->setFocus();

    page->ModuleNumCmB->addItems(ModuleAddressList(ModeOf(*page)));
    // Filling the list selects nothing: the field stays empty for the user.
    page->ModuleNumCmB->setCurrentIndex(-1);
    page->ModuleNumCmB->clearEditText();
}

void BackupWorkflow::ModuleNumCmBExit() {
    BackupPage* page = window_.RegistBackupTabSh;
    const QString text = page->ModuleNumCmB->currentText();
    if (text.isEmpty())
        return;
    if (ModuleAddressAllowed(ModeOf(*page), text))
        return;
    // The box takes the focus from the field; that is no second leaving.
    const QScopedValueRollback<bool> checking(checkingAddress_, true);
    ShowErrorBox(window_, Msg(10030));
    page->ModuleNumCmB->setFocus();
}

bool BackupWorkflow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checkingAddress_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Opening the list or switching to another window is not leaving the field.
        QComboBox* field = window_.RegistBackupTabSh->ModuleNumCmB;
        QWidget* now = QApplication::focusWidget();
        const bool stillInside = now == field || (now && field->isAncestorOf(now));
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !stillInside)
            ModuleNumCmBExit();
    }
    return QObject::eventFilter(watched, event);
}

void BackupWorkflow::ClearRecord() {
    BackupPage* page = window_.RegistBackupTabSh;
    page->RegFNameLabel2->clear();
    page->ConfCodeLabel2->clear();
    page->ObjNumEdit->clear();
    page->ModuleNumCmB->clear();
    page->ModuleNumCmB->clearEditText();
}

} // namespace tunbox
