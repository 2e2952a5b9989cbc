#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace tunbox {

enum class MessageIcon { Error, Warning, Question, Information };

enum class MessageButtons { Ok, YesNo };

enum class MessageAnswer { Ok, Yes, No };

// What a file-open or file-save dialog is asked to show. The filter is written
// as pairs "description|pattern|description|pattern..." the way the catalogue
// stores it; filterIndex counts those pairs from 1.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString defaultSuffix;
    QString initialFolder;
    // Name proposed in the dialog; may be a pattern such as "klt_rpu_*".
    QString fileName;
};

// What the language dialog offers: its lines in order and the one preselected.
struct LanguageDialogRequest {
    QStringList items;
    int selected = 0;
};

// Everything the window shows modally or hands to the desktop goes through here,
// so tests can see what the user would have seen and answer for the user.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal message box; returns Ok for an Ok box, Yes or No for a question.
    virtual MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;

    // The chosen file's full path, or an empty text when the user cancels.
    // Neither dialog asks about overwriting: the workflows ask themselves.
    virtual QString GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString GetSaveFileName(const FileDialogRequest& request) = 0;

    // Shows the hourglass cursor over the whole program while on; off restores
    // the cursor that was there before.
    virtual void SetHourglass(bool on) = 0;

    // Opens a web page, a new e-mail or a local document (file URL) with the
    // program the desktop has for it; returns whether the desktop accepted it.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // The language dialog, centred on the window: the index of the line the
    // user confirmed, or nothing when the dialog was cancelled. Dialogs that
    // cannot ask answer as a cancelled dialog.
    virtual std::optional<int> ChooseLanguage(const LanguageDialogRequest& request);
};

} // namespace tunbox
