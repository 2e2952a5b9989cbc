#pragma once

#include "ui/Dialogs.h"

namespace tunbox {

// Dialogs for unattended rendering: nothing modal is ever shown. Boxes are
// reported on stderr, questions answered No, file dialogs cancelled.
class ScreenshotDialogs final : public Dialogs {
  public:
    MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    void SetHourglass(bool on) override;
    bool OpenUrl(const QUrl& url) override;
};

} // namespace tunbox
