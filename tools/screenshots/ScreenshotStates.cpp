#include "ScreenshotStates.h"

#include "ui/BackupPage.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"

#include <QKeyEvent>

namespace tunbox {
namespace {

using PageOf = QWidget* (*)(const MainWindow&);

// The page area shown with page active and its tab beside the main tab.
std::function<void(MainWindow&)> ShowPage(PageOf pageOf) {
    return [pageOf](MainWindow& window) {
        QWidget* page = pageOf(window);
        window.MainPageC()->SetTabShown(page, true);
        window.MainPageC()->SetActivePage(page);
        window.MainPageC()->show();
    };
}

QWidget* MainPageOf(const MainWindow& window) {
    return window.MainTabSh();
}

// The main page with the working list and Memo1 shown, as F5 shows them.
void ShowWorkingList(MainWindow& window) {
    ShowPage(MainPageOf)(window);
    window.MainTabSh()->TempListB2()->addItems(
        {QStringLiteral("85"), QStringLiteral("85"), QStringLiteral("160")});
    window.setFocus();
    window.FormKeyDown(QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier));
}

} // namespace

std::vector<ScreenshotState> ScreenshotStates() {
    return {
        {QStringLiteral("01-welcome"), [](MainWindow&) {}},
        {QStringLiteral("02-page-main"), ShowPage(MainPageOf)},
        {QStringLiteral("03-page-backup"),
         ShowPage([](const MainWindow& w) -> QWidget* { return w.RegistBackupTabSh(); })},
        {QStringLiteral("04-page-rele-settings"),
         ShowPage([](const MainWindow& w) { return w.ReleSettingsTabSh(); })},
        {QStringLiteral("05-page-rpu-settings"),
         ShowPage([](const MainWindow& w) { return w.ReleSettingsTabRPU(); })},
        {QStringLiteral("06-page-main-working-list"), ShowWorkingList},
    };
}

} // namespace tunbox
