#pragma once

#include "app/LanguageState.h"

#include <QString>

namespace tunbox {

class MainWindow;

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
    void ChangeLanguage();
    // Shows the window in the language now active, and the status text again
    // in it when it is a message of the catalogue.
    void ShowNewLanguage(int statusId);

    MainWindow& window_;
};

} // namespace tunbox
