#include "ui/LanguageWorkflow.h"

#include "app/BuiltInMessages.h"
#include "app/GuardedApplication.h"
#include "app/MessageTable.h"
#include "app/MessageTableLoader.h"
#include "app/SettingsFile.h"
#include "ui/BottomStrip.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>

namespace tunbox {
namespace {

// The id of the catalogue message whose text is text, 0 when none is.
int CatalogueIdOf(const QString& text) {
    if (text.isEmpty())
        return 0;
    for (int id = MessageTable::FirstId; id < MessageTable::FirstId + MessageTable::SlotCount;
         ++id) {
        if (Msg(id) == text)
            return id;
    }
    return 0;
}

} // namespace

LanguageDialogRequest DialogRequest(const LanguageChoice& choice) {
    LanguageDialogRequest request;
    for (const LanguageItem& item : choice.items)
        request.items.append(item.text);
    request.selected = choice.selected;
    return request;
}

LanguageWorkflow::LanguageWorkflow(MainWindow& window) : window_(window) {
    BottomStrip& bottom = window.Bottom();
    QObject::connect(bottom.btn_ChangeLang, &QPushButton::clicked, &window,
                     [this] { btn_ChangeLangClick(); });
    QObject::connect(bottom.LangCmB, &QComboBox::activated, &window, [this] { LangCmBChange(); });
}

void LanguageWorkflow::btn_ChangeLangClick() {
    ChangeLanguage();
}

void LanguageWorkflow::LangCmBChange() {
    ChangeLanguage();
}

bool LanguageWorkflow::SelectResourceLocale(const QString& builtInExtension,
                                            ResourceOptions /*dialogOptions*/,
                                            ResourceOptions moduleOptions) {
    const LanguageChoice choice = LanguageChoices(builtInExtension);
    const std::optional<int> chosen = window_.UserDialogs().ChooseLanguage(DialogRequest(choice));
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(choice.items.size()))
        return false;
    const QString& extension = choice.items[static_cast<std::size_t>(*chosen)].extension;
    return SetNewResourceFile(extension, moduleOptions, builtInExtension);
}

void LanguageWorkflow::ChangeLanguage() {
    const QString builtIn = QString::fromLatin1(BuiltInLanguage);
    try {
        CheckResourceCount();
    } catch (const ResourceError& error) {
        // Shown as the program shows any error that reaches its event loop.
        window_.UserDialogs().ShowMessage(QString::fromLatin1(ApplicationTitle),
                                          QString::fromUtf8(error.what()), MessageIcon::Error,
                                          MessageButtons::Ok);
        return;
    }
    // Which messages the status line and the labels filled at run time show,
    // while the catalogue still has the language they are written in.
    const CatalogueTexts shown = ShownMessages();
    if (!SelectResourceLocale(builtIn, {}, {}))
        return;

    SetCurrentDefaultLocaleReg();
    QString code = GetCurrentDefaultLocaleReg();
    if (code.isEmpty())
        code = builtIn;
    QDir::setCurrent(window_.Fields().ProgramDir);
    SettingsFile::WriteLanguage(code);
    LoadMessageTable();
    ShowNewLanguage(shown);
}

LanguageWorkflow::CatalogueTexts LanguageWorkflow::ShownMessages() const {
    CatalogueTexts shown;
    shown.statusId = CatalogueIdOf(window_.StatusText());
    for (QLabel* label : window_.findChildren<QLabel*>()) {
        if (const int id = CatalogueIdOf(label->text()))
            shown.labels.emplace_back(label, id);
    }
    return shown;
}

void LanguageWorkflow::ShowNewLanguage(const CatalogueTexts& shown) {
    // The language change that swapping the translators posted reaches every
    // open window now, after the catalogue was reloaded, so the time lists of
    // the settings pages are refilled from the new catalogue.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    // Texts the workflows took from the catalogue are no window captions: each
    // is shown again in the new language.
    for (const auto& [label, id] : shown.labels) {
        if (label)
            label->setText(Msg(id));
    }
    if (shown.statusId != 0)
        window_.SetStatusText(Msg(shown.statusId));
}

} // namespace tunbox
