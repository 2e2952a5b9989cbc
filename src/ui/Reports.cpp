#include "ui/Reports.h"

#include "app/MessageTable.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"

namespace tunbox {

void ShowErrorBox(MainWindow& window, const QString& text) {
    window.UserDialogs().ShowMessage(Msg(10001), text, MessageIcon::Error, MessageButtons::Ok);
}

void ShowSystemBox(MainWindow& window, const QString& text, MessageIcon icon) {
    window.UserDialogs().ShowMessage(Msg(10013), text, icon, MessageButtons::Ok);
}

void ShowNoticeBox(MainWindow& window, const QString& text) {
    ShowSystemBox(window, text, MessageIcon::Information);
}

bool AskYesNo(MainWindow& window, const QString& text) {
    return window.UserDialogs().ShowMessage(Msg(10013), text, MessageIcon::Question,
                                            MessageButtons::YesNo) == MessageAnswer::Yes;
}

void ReportError(MainWindow& window, int messageId) {
    window.SetStatusText(Msg(messageId));
    ShowErrorBox(window, Msg(messageId));
}

void ReportNotice(MainWindow& window, int messageId) {
    window.SetStatusText(Msg(messageId));
    ShowNoticeBox(window, Msg(messageId));
}

} // namespace tunbox
