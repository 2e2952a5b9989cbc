#include "support/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace tunbox {

RecordingDialogs::~RecordingDialogs() {
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " scripted answer(s) never asked for";
    if (!fileNames_.empty())
        ADD_FAILURE() << fileNames_.size() << " scripted file name(s) never asked for";
    if (!languageChoices_.empty())
        ADD_FAILURE() << languageChoices_.size() << " scripted language choice(s) never asked for";
}

void RecordingDialogs::QueueAnswer(MessageAnswer answer) {
    answers_.push_back(answer);
}

void RecordingDialogs::QueueFileName(const QString& path) {
    fileNames_.push_back(path);
}

void RecordingDialogs::SetOpenUrlResult(bool accepted) {
    openUrlResult_ = accepted;
}

void RecordingDialogs::QueueLanguageChoice(const QString& itemText) {
    languageChoices_.push_back(itemText);
}

MessageAnswer RecordingDialogs::ShowMessage(const QString& caption, const QString& text,
                                            MessageIcon icon, MessageButtons buttons) {
    messages_.push_back({caption, text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "question with no scripted answer: " << caption.toStdString() << " / "
                      << text.toStdString();
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QString RecordingDialogs::GetOpenFileName(const FileDialogRequest& request) {
    return NextFileName(request, false);
}

QString RecordingDialogs::GetSaveFileName(const FileDialogRequest& request) {
    return NextFileName(request, true);
}

QString RecordingDialogs::NextFileName(const FileDialogRequest& request, bool save) {
    fileDialogs_.push_back({save, request});
    if (fileNames_.empty()) {
        ADD_FAILURE() << "file dialog with no scripted file name: " << request.title.toStdString();
        return {};
    }
    const QString path = fileNames_.front();
    fileNames_.pop_front();
    return path;
}

void RecordingDialogs::SetHourglass(bool on) {
    hourglass_.push_back(on);
}

bool RecordingDialogs::OpenUrl(const QUrl& url) {
    urls_.push_back(url);
    return openUrlResult_;
}

std::optional<int> RecordingDialogs::ChooseLanguage(const LanguageDialogRequest& request) {
    languageDialogs_.push_back(request);
    if (languageChoices_.empty()) {
        ADD_FAILURE() << "language dialog with no scripted choice";
        return std::nullopt;
    }
    const QString choice = languageChoices_.front();
    languageChoices_.pop_front();
    if (choice.isEmpty())
        return std::nullopt;
    const qsizetype index = request.items.indexOf(choice);
    if (index < 0) {
        ADD_FAILURE() << "the language dialog offers no line " << choice.toStdString() << " in "
                      << request.items.join(QStringLiteral(", ")).toStdString();
        return std::nullopt;
    }
    return static_cast<int>(index);
}

} // namespace tunbox
