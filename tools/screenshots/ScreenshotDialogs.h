#pragma once

#include "ui/Dialogs.h"

#include <deque>

namespace tunbox {

// Dialogs for unattended rendering: nothing modal is ever shown. Boxes are
// reported on stderr, questions answered No, file dialogs answered with the
// queued paths and then cancelled.
class ScreenshotDialogs final : public Dialogs {
  public:
    void QueueFileName(const QString& path);

    MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    void SetHourglass(bool on) override;
    bool OpenUrl(const QUrl& url) override;

  private:
    QString NextFileName();

    std::deque<QString> fileNames_;
};

} // namespace tunbox
