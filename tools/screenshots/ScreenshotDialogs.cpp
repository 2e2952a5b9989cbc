#include "ScreenshotDialogs.h"

#include <QTextStream>

namespace tunbox {

MessageAnswer ScreenshotDialogs::ShowMessage(const QString& caption, const QString& text,
                                             MessageIcon, MessageButtons buttons) {
    QTextStream(stderr) << "message box: " << caption << ": " << text << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QString ScreenshotDialogs::GetOpenFileName(const FileDialogRequest&) {
    return {};
}

QString ScreenshotDialogs::GetSaveFileName(const FileDialogRequest&) {
    return {};
}

void ScreenshotDialogs::SetHourglass(bool) {}

bool ScreenshotDialogs::OpenUrl(const QUrl&) {
    return false;
}

} // namespace tunbox
