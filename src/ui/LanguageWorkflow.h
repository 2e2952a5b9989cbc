#pragma once

#include "app/AvailableLanguages.h"
#include "app/LanguageState.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QPointer>
#include <QString>

#include <utility>
#include <vector>

namespace tunbox {

class MainWindow;

// What the language dialog shows for choice: its lines' texts and the preselected line.
LanguageDialogRequest DialogRequest(const LanguageChoice& choice);

// Switching the interface language at run time from the language dialog: the
// window's captions, tooltips and lists, the status line and every later
// message follow the language chosen, and the choice is stored for the next start.
class LanguageWorkflow {
  public:
    explicit LanguageWorkflow(MainWindow& window);

    // The language change of "Select language", in this order: no module at
    // all stops it with an error box; a cancelled dialog or a module that does
    // not load changes nothing; otherwise the chosen language is active, the
    // choice is stored, the settings file gets [Language] Default, the message
    // catalogue is reloaded and the window shows the new language at once.
    void btn_ChangeLangClick();
    // The same operation; the item picked in LangCmB is ignored.
    void LangCmBChange();

    // Shows the language dialog and activates the language confirmed in it
    // (SetNewResourceFile with builtInExtension as default). False when the
    // dialog was cancelled or the module does not load.
    bool SelectResourceLocale(const QString& builtInExtension, ResourceOptions dialogOptions,
                              ResourceOptions moduleOptions);

  private:
    // The catalogue messages the window shows: the status line's (0 when it
    // shows none) and those of the labels filled at run time.
    struct CatalogueTexts {
        int statusId = 0;
        std::vector<std::pair<QPointer<QLabel>, int>> labels;
    };

    void ChangeLanguage();
    CatalogueTexts ShownMessages() const;
    // Shows the window in the language now active, and the messages it showed
    // again in that language.
    void ShowNewLanguage(const CatalogueTexts& shown);

    MainWindow& window_;
};

} // namespace tunbox
