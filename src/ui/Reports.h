#pragma once

#include "ui/Dialogs.h"

#include <QString>

namespace tunbox {

class MainWindow;

// The boxes and status texts of the workflows. Texts come from the message
// catalogue by id; where a message goes both to the status line and to a box,
// the status line is set first.

// An error box: caption 10001 "Ошибка!", error icon, OK.
void ShowErrorBox(MainWindow& window, const QString& text);
// A box with caption 10013 "Системное сообщение", the given icon and OK.
void ShowSystemBox(MainWindow& window, const QString& text, MessageIcon icon);
// A notice: ShowSystemBox with the information icon.
void ShowNoticeBox(MainWindow& window, const QString& text);
// A question: caption 10013, question icon, Yes and No; true for Yes.
bool AskYesNo(MainWindow& window, const QString& text);

// Message id on the status line, then in an error box.
void ReportError(MainWindow& window, int messageId);
// Message id on the status line, then in a notice box.
void ReportNotice(MainWindow& window, int messageId);

} // namespace tunbox
