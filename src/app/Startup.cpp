#include "app/Startup.h"

#include <QApplication>

namespace tunbox {

int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tunbox-RPU-KLT"));
    std::unique_ptr<QWidget> window = createMainWindow();
    window->show();
    return QApplication::exec();
}

} // namespace tunbox
