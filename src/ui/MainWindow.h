#pragma once

#include <QWidget>

#include <memory>

namespace tunbox {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

std::unique_ptr<QWidget> CreateMainWindow();

} // namespace tunbox
