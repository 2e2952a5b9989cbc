#include "app/Startup.h"

#include "app/BuiltInMessages.h"
#include "app/GuardedApplication.h"
#include "app/LanguageState.h"
#include "app/MessageTableLoader.h"
#include "app/SettingsFile.h"

#include <QDir>

namespace tunbox {

int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow) {
    GuardedApplication application(argc, argv);
    return RunStartup(ProgramPaths::FromApplication(), createMainWindow);
}

void ActivateLanguage(const QString& code) {
    // "RU" names the built-in texts, which need no module: they are made active
    // as such, so numbers and dates follow the Russian locale too instead of
    // whatever locale the desktop happens to run in.
    const QString builtIn = QString::fromLatin1(BuiltInLanguage);
    SetNewResourceFile(code == builtIn ? QString() : code, {}, builtIn);
    LoadMessageTable();
}

int RunStartup(const ProgramPaths& paths, const MainWindowFactory& createMainWindow) {
    try {
        QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
        SetProgramPaths(paths);
        PrepareDataFolder(paths);
        QDir::setCurrent(paths.DataFolder());

        const QString code = SettingsFile::ReadLanguage();
        SetDefaultLocaleReg(paths.executable, code);
        ActivateLanguage(code);

        const std::unique_ptr<QWidget> window = createMainWindow();
        if (!window)
            return 0;
        window->show();
        return QApplication::exec();
    } catch (...) {
        GuardedApplication::ShowException(
            GuardedApplication::ExceptionText(std::current_exception()));
    }
    return 0;
}

} // namespace tunbox
