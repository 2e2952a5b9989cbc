#pragma once

#include "ui/Dialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace tunbox {

// A file filter in the form Qt's file dialogs take: one entry per
// "description|pattern" pair, plus the entry to preselect.
struct QtFileFilter {
    QStringList filters;
    QString selected;
};

// Converts "description|pattern|..." to Qt's filter list. A description that
// does not name its pattern gets it appended in brackets; filterIndex counts
// from 1, and an index outside the list preselects the first entry.
QtFileFilter ToQtFileFilter(const QString& pairs, int filterIndex);

// The message box ShowMessage runs: the icon, Ok or Yes/No buttons with Yes
// as default.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption,
                                            const QString& text, MessageIcon icon,
                                            MessageButtons buttons);

// The dialogs the program shows on the desktop: QMessageBox, QFileDialog, the
// application's override cursor and QDesktopServices.
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner = nullptr);
    ~QtDialogs() override;

    // The window the dialogs are centred on and modal to.
    void SetOwner(QWidget* owner);

    MessageAnswer ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    void SetHourglass(bool on) override;
    bool OpenUrl(const QUrl& url) override;
    std::optional<int> ChooseLanguage(const LanguageDialogRequest& request) override;

  private:
    QString RunFileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> owner_;
    bool hourglass_ = false;
};

} // namespace tunbox
