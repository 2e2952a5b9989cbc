#include "ui/FileCommandWorkflow.h"

#include "app/MessageTable.h"
#include "files/FileDialogSetup.h"
#include "files/FileMessages.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"

#include <QDir>
#include <QFileInfo>

namespace tunbox {
namespace {

constexpr int OverwriteQuestionId = 10042; // "Файл с таким именем уже существует! ..."
constexpr int SaveCancelledId = 10068; // "Сохранение файла отменено"

FileDialogRequest RequestFor(const MainWindow& window, const FileDialogSetup& setup) {
    FileDialogRequest request;
    request.title = Msg(setup.titleId);
    request.filter = Msg(setup.filterId);
    request.filterIndex = setup.filterIndex;
    request.defaultSuffix = setup.defaultSuffix;
    request.initialFolder = QDir(window.Fields().ProgramDir).filePath(setup.subfolder);
    request.fileName = setup.fileName;
    return request;
}

} // namespace

FileCommandWorkflow::FileCommandWorkflow(MainWindow& window) : window_(window) {
    CommandColumn* commands = window.Commands();
    QObject::connect(commands->SaveButton, &QPushButton::clicked, &window,
                     [this] { SaveButtonClick(); });
    QObject::connect(commands->LoadButton, &QPushButton::clicked, &window,
                     [this] { LoadButtonClick(); });
}

void FileCommandWorkflow::SaveButtonClick() {
    QWidget* active = window_.MainPageC->ActivePage();
    if (active == window_.RegistBackupTabSh)
        window_.Work().backupFiles.SaveBackupFile();
    else if (auto* page = qobject_cast<OutputSettingsPage*>(active))
        window_.Work().settingsFiles.SaveSettingsFile(*page);
}

void FileCommandWorkflow::LoadButtonClick() {
    QWidget* active = window_.MainPageC->ActivePage();
    if (active == window_.RegistBackupTabSh)
        window_.Work().backupFiles.LoadBackupFile();
    else if (auto* page = qobject_cast<OutputSettingsPage*>(active))
        window_.Work().settingsFiles.LoadSettingsFile(*page);
}

QString FileCommandWorkflow::ChooseSaveFile(const FileDialogSetup& setup) {
    return window_.UserDialogs().GetSaveFileName(RequestFor(window_, setup));
}

QString FileCommandWorkflow::ChooseOpenFile(const FileDialogSetup& setup) {
    return window_.UserDialogs().GetOpenFileName(RequestFor(window_, setup));
}

bool FileCommandWorkflow::SaveLines(const QString& path, const QStringList& lines, int savedId) {
    // A dangling link counts as a file too: writing would replace it.
    const QFileInfo target(path);
    if ((target.exists() || target.isSymLink()) && !AskYesNo(window_, Msg(OverwriteQuestionId))) {
        window_.SetStatusText(Msg(SaveCancelledId));
        return false;
    }
    const FileOutcome outcome = WriteLines(path, lines, saveFile_);
    if (!outcome.Ok()) {
        ShowErrorBox(window_, SaveErrorText(Msg, ShownName(path), outcome));
        return false;
    }
    window_.SetStatusText(Msg(savedId));
    return true;
}

QString FileCommandWorkflow::ShownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void FileCommandWorkflow::SetSaveFileFactory(SaveFileFactory factory) {
    saveFile_ = std::move(factory);
}

} // namespace tunbox
