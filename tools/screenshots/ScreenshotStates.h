#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tunbox {

class MainWindow;

// One picture: a fresh window over a simulated unit of version 10_4 is built,
// prepare brings it into the state (clicking as a user would where it needs the
// unit), and the window is saved as <name>.png.
struct ScreenshotState {
    QString name;
    std::function<void(MainWindow&)> prepare;
    // What the file dialogs prepare opens answer, in turn: paths within the
    // program's folder. Dialogs beyond these are cancelled.
    QStringList chosenFiles = {};
};

// Every state the tool renders, in order. Add a state here to get its picture.
std::vector<ScreenshotState> ScreenshotStates();

} // namespace tunbox
