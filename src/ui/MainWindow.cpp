#include "ui/MainWindow.h"

namespace tunbox {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setFixedSize(794, 570);
}

std::unique_ptr<QWidget> CreateMainWindow()
{
    return std::make_unique<MainWindow>();
}

} // namespace tunbox
