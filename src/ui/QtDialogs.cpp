#include "ui/QtDialogs.h"

#include "ui/LanguageDialog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace tunbox {

QtFileFilter ToQtFileFilter(const QString& pairs, int filterIndex) {
    QtFileFilter result;
    const QStringList parts = pairs.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        // Qt reads the patterns from the brackets of the description.
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(
                QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' ')));
        result.filters.append(description);
    }
    if (!result.filters.isEmpty()) {
        const qsizetype index =
            filterIndex >= 1 && filterIndex <= result.filters.size() ? filterIndex - 1 : 0;
        result.selected = result.filters[index];
    }
    return result;
}

QtDialogs::QtDialogs(QWidget* owner) : owner_(owner) {}

QtDialogs::~QtDialogs() {
    SetHourglass(false);
}

void QtDialogs::SetOwner(QWidget* owner) {
    owner_ = owner;
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption,
                                            const QString& text, MessageIcon icon,
                                            MessageButtons buttons) {
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    const bool question = buttons == MessageButtons::YesNo;
    auto box = std::make_unique<QMessageBox>(
        boxIcon, caption, text, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        owner);
    box->setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    // The buttons speak the program's language, not the toolkit's.
    if (question) {
        box->button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("tunbox::QtDialogs", "Да"));
        box->button(QMessageBox::No)
            ->setText(QCoreApplication::translate("tunbox::QtDialogs", "Нет"));
    }
    return box;
}

MessageAnswer QtDialogs::ShowMessage(const QString& caption, const QString& text, MessageIcon icon,
                                     MessageButtons buttons) {
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(owner_.data(), caption, text, icon, buttons);
    const int answer = box->exec();
    if (buttons != MessageButtons::YesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtDialogs::GetOpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

QString QtDialogs::GetSaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

QString QtDialogs::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner_.data(), request.title, request.initialFolder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultSuffix);

    QtFileFilter filter = ToQtFileFilter(request.filter, request.filterIndex);
    const bool namePattern =
        request.fileName.contains(QLatin1Char('*')) || request.fileName.contains(QLatin1Char('?'));
    if (namePattern) {
        // A proposed name with wildcards narrows the listing to the names that fit.
        const QString entry = QStringLiteral("%1 (%1)").arg(request.fileName);
        filter.filters.prepend(entry);
        filter.selected = entry;
    }
    if (!filter.filters.isEmpty()) {
        dialog.setNameFilters(filter.filters);
        dialog.selectNameFilter(filter.selected);
    }
    if (!namePattern && !request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::SetHourglass(bool on) {
    if (on == hourglass_)
        return;
    hourglass_ = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

bool QtDialogs::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<int> QtDialogs::ChooseLanguage(const LanguageDialogRequest& request) {
    LanguageDialog dialog(request, owner_.data());
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenIndex() < 0)
        return std::nullopt;
    return dialog.ChosenIndex();
}

} // namespace tunbox
