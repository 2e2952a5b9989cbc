#include "ScreenshotDialogs.h"

#include <QTextStream>

namespace tunbox {

MessageAnswer ScreenshotDialogs::ShowMessage(const QString& caption, const QString& text,
                                             MessageIcon, MessageButtons buttons) {
    QTextStream(stderr) << "message box: " << caption << ": " << text << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void ScreenshotDialogs::QueueFileName(const QString& path) {
    fileNames_.push_back(path);
}

QString ScreenshotDialogs::GetOpenFileName(const FileDialogRequest&) {
    return NextFileName();
}

QString ScreenshotDialogs::GetSaveFileName(const FileDialogRequest&) {
    return NextFileName();
}

QString ScreenshotDialogs::NextFileName() {
    if (fileNames_.empty())
        return {};
    QString path = fileNames_.front();
    fileNames_.pop_front();
    return path;
}

void ScreenshotDialogs::SetHourglass(bool) {}

bool ScreenshotDialogs::OpenUrl(const QUrl&) {
    return false;
}

} // namespace tunbox
