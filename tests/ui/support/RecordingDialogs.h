#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <vector>

namespace tunbox {

// A message box as the user would have seen it.
struct ShownMessage {
    QString caption;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

struct ShownFileDialog {
    bool save;
    FileDialogRequest request;
};

// Dialogs that record what was shown and answer from a script. A question
// asked with no scripted answer fails the running test (and is answered No);
// so does a file dialog with no scripted path (and is cancelled). Answers left
// unused when the double is destroyed fail the test too.
class RecordingDialogs final : public Dialogs {
  public:
    ~RecordingDialogs() override;

    void QueueAnswer(MessageAnswer answer);
    // An empty path scripts a cancelled dialog.
    void QueueFileName(const QString& path);
    // What OpenUrl reports; true unless set.
    void SetOpenUrlResult(bool accepted);
    // The language dialog's next answer: the line whose text is itemText, or a
    // cancelled dialog for an empty text. A line not offered fails the test.
    void QueueLanguageChoice(const QString& itemText);

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }
    const std::vector<QUrl>& OpenedUrls() const { return urls_; }
    const std::vector<LanguageDialogRequest>& LanguageDialogs() const { return languageDialogs_; }
    // Every hourglass switch in order (true on, false off).
    const std::vector<bool>& HourglassSwitches() const { return hourglass_; }
    bool HourglassOn() const { return !hourglass_.empty() && hourglass_.back(); }

    MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    void SetHourglass(bool on) override;
    bool OpenUrl(const QUrl& url) override;
    std::optional<int> ChooseLanguage(const LanguageDialogRequest& request) override;

  private:
    QString NextFileName(const FileDialogRequest& request, bool save);

    std::deque<MessageAnswer> answers_;
    std::deque<QString> fileNames_;
    std::deque<QString> languageChoices_;
    std::vector<LanguageDialogRequest> languageDialogs_;
    bool openUrlResult_ = true;
    std::vector<ShownMessage> messages_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::vector<QUrl> urls_;
    std::vector<bool> hourglass_;
};

} // namespace tunbox
