#include "ui/BackupFileWorkflow.h"

#include "app/MessageTable.h"
#include "files/BackupFile.h"
#include "files/BackupFileName.h"
#include "files/FileDialogSetup.h"
#include "files/FileMessages.h"
#include "model/MessageText.h"
#include "model/WorkingImage.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/MainWindow.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"

#include <QFileInfo>

namespace tunbox {
namespace {

constexpr int SaveStartId = 10040; // "Сохранение сведений о регистрации в файл"
constexpr int SavedId = 10043; // "Сведения о регистрации успешно сохранены в файл"
constexpr int SaveCancelledId = 10068; // "Сохранение файла отменено"
constexpr int LoadStartId = 10031; // "Чтение сведений о регистрации из файла"
constexpr int LoadedId = 10033; // "Сведения о регистрации успешно считаны из файла"
constexpr int LoadCancelledId = 10070; // "Чтение файла отменено"
constexpr int DeleteStartId = 10026;   // "Удаление файла регистрации"
constexpr int DeleteQuestionId = 10028; // "Вы уверены, что хотите удалить файл регистрации %s ?"
constexpr int DeletedId = 10029; // "Файл регистрации успешно удален"
constexpr int DeleteCancelledId = 10069; // "Удаление файла отменено"

BackupMode ChosenMode(const BackupPage& page) {
    switch (page.RPU_RTRRadioGr->ItemIndex()) {
    case static_cast<int>(BackupMode::Rpu):
        return BackupMode::Rpu;
    case static_cast<int>(BackupMode::Rtr):
        return BackupMode::Rtr;
    default:
        return BackupMode::None;
    }
}

// Values from the unit are bytes; values from a backup file were read as signed
// numbers, so they are written as such and a copy keeps "-1" as "-1".
QStringList LinesOf(const std::vector<quint32>& values) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(values.size()));
    for (const quint32 value : values)
        lines.append(QString::number(static_cast<qint32>(value)));
    return lines;
}

} // namespace

BackupFileWorkflow::BackupFileWorkflow(MainWindow& window) : window_(window) {}

void BackupFileWorkflow::SaveBackupFile() {
    FileCommandWorkflow& files = window_.Work().files;
    BackupPage* page = window_.RegistBackupTabSh;
    const BackupMode mode = ChosenMode(*page);
    const QString address = page->ModuleNumCmB->currentText();
    const QString object = page->ObjNumEdit->text();
    const QString code = page->ConfCodeLabel2->text();
    const QString& dateTag = window_.Fields().DateTag;
    const BackupNameCheck check = CheckBackupName(mode, address, dateTag, object, code);
    if (check != BackupNameCheck::Ok) {
        // A refusal before any dialog opens.
        ShowSystemBox(window_, Msg(static_cast<int>(check)), MessageIcon::Warning);
        return;
    }

    window_.SetStatusText(Msg(SaveStartId));
    const QString suggested = SuggestedBackupName(mode, address, dateTag, object, code);
    // The label shows the suggestion, whatever name the user gives in the dialog.
    page->RegFNameLabel2->setText(suggested);
    const QString path = files.ChooseSaveFile(BackupSaveDialog(suggested));
    if (path.isEmpty()) {
        window_.SetStatusText(Msg(SaveCancelledId));
        return;
    }
    files.SaveLines(path, LinesOf(window_.Image().Values()), SavedId);
}

void BackupFileWorkflow::LoadBackupFile() {
    FileCommandWorkflow& files = window_.Work().files;
    BackupPage* page = window_.RegistBackupTabSh;
    CommandColumn* commands = window_.Commands();
    // Loaded or cancelled, the image in hand can go on: to the unit, or in demo
    // work into a file of another name.
    const auto offerNextStep = [this, commands] {
        if (window_.Fields().DemoMode)
            commands->SaveButton->setEnabled(true);
        else
            commands->WriteButton->setEnabled(true);
    };

    window_.SetStatusText(Msg(LoadStartId));
    const QString path = files.ChooseOpenFile(BackupLoadDialog(ChosenMode(*page)));
    if (path.isEmpty()) {
        window_.SetStatusText(Msg(LoadCancelledId));
        offerNextStep();
        return;
    }
    BackupFileData data = ReadBackupFile(path);
    const QString error = BackupFileErrorText(Msg, FileCommandWorkflow::ShownName(path), data);
    if (!error.isEmpty()) {
        // The working image, the labels and the fields stay as they were.
        ShowErrorBox(window_, error);
        return;
    }
    window_.Image().Refill(std::move(data.values));
    const QString name = QFileInfo(path).fileName();
    page->RegFNameLabel2->setText(name);
    page->ConfCodeLabel2->setText(data.confCode);

    const BackupNameParts parts = ParseBackupFileName(name);
    // A mode other than the chosen one runs RPU_RTRRadioGrClick, which empties
    // the fields and fills the address list of that mode.
    if (parts.mode != BackupMode::None)
        page->RPU_RTRRadioGr->SetItemIndex(static_cast<int>(parts.mode));
    page->ModuleNumCmB->setCurrentText(parts.moduleAddress);
    page->ObjNumEdit->setText(parts.objectNumber);
    page->ObjNumEdit->setEnabled(false);
    page->ModuleNumCmB->setEnabled(false);
    window_.SetStatusText(Msg(LoadedId));
    offerNextStep();
}

void BackupFileWorkflow::DeleteBackupFile() {
    FileCommandWorkflow& files = window_.Work().files;
    BackupPage* page = window_.RegistBackupTabSh;
    window_.SetStatusText(Msg(DeleteStartId));
    const QString path = files.ChooseOpenFile(BackupDeleteDialog(ChosenMode(*page)));
    if (path.isEmpty()) {
        window_.SetStatusText(Msg(DeleteCancelledId));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    page->RegFNameLabel2->setText(name);
    if (!AskYesNo(window_, FormatMessage(Msg(DeleteQuestionId), {name}))) {
        window_.SetStatusText(Msg(DeleteCancelledId));
        return;
    }
    // A file already gone counts as deleted; one that stays is reported.
    const FileOutcome outcome = RemoveFile(path);
    if (!outcome.Ok()) {
        ShowErrorBox(window_, FileErrorText(Msg, FileCommandWorkflow::ShownName(path), outcome));
        return;
    }
    window_.SetStatusText(Msg(DeletedId));
}

} // namespace tunbox
