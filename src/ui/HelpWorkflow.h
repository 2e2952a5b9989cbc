#pragma once

#include <QString>

namespace tunbox {

class MainWindow;

// The help document and the maker's links: "Help  " opens the help file of the
// active language, the web label the maker's page, the e-mail label a new
// message to the maker. While the mouse is over a link label the cursor is the
// pointing hand (the welcome area gives the labels that cursor).
class HelpWorkflow {
  public:
    explicit HelpWorkflow(MainWindow& window);

    // Opens help/<name> of the program's folder, the name from the settings
    // file's [Help] section for the stored language ("RU" when none is stored);
    // without a name, the help folder itself. When the desktop cannot open it,
    // error box 10067 with the name.
    void HelpClick();
    // Opens "http://" + the web label's caption.
    void Label_webaddrClick();
    // Opens "mailto:" + the e-mail label's caption + "?subject=" + the file name
    // of the program's executable as it is named now.
    void Label_emailaddrClick();

    // The folder the help files are in: "help" in the executable's folder.
    static QString HelpFolder();

  private:
    MainWindow& window_;
};

} // namespace tunbox
