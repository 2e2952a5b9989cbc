#include "app/Startup.h"

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

int RunStartup(const ProgramPaths& paths, const MainWindowFactory& createMainWindow) {
    try {
        QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
        SetProgramPaths(paths);
        QDir::setCurrent(paths.Folder());

        const QString code = SettingsFile::ReadLanguage();
        SetDefaultLocaleReg(paths.executable, code);
        SetNewResourceFile(code, {}, QString::fromLatin1(SettingsFile::DefaultLanguage));
        LoadMessageTable();

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
