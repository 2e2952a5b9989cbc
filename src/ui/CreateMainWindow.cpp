#include "app/ProgramPaths.h"
#include "link/TransportFactory.h"
#include "model/FactoryDefaults.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QCoreApplication>
#include <QDir>

namespace tunbox {
namespace {

// A simulated unit starts with the factory settings, as a new unit would.
std::unique_ptr<Transport> CreateProgramTransport() {
    const auto& defaults = FactoryDefaults();
    const std::vector<std::uint8_t> settings(defaults.begin(), defaults.end());
    return CreateTransport(settings);
}

struct ProgramServices {
    std::unique_ptr<Transport> transport = CreateProgramTransport();
    QtDialogs dialogs;
};

} // namespace

std::unique_ptr<QWidget> CreateMainWindow() {
    // The program's files live beside it (or in the user's data folder when it
    // may not write there), and relative names start there too.
    const QString programDir = Program().executable.isEmpty()
                                   ? QCoreApplication::applicationDirPath()
                                   : Program().DataFolder();
    QDir::setCurrent(programDir);
    auto services = std::make_shared<ProgramServices>();
    auto window = std::make_unique<MainWindow>(
        WindowServices{*services->transport, services->dialogs, programDir});
    services->dialogs.SetOwner(window.get());
    window->KeepAlive(services);
    return window;
}

} // namespace tunbox
