#pragma once

#include "ui/settings/OutputControls.h"

#include <QWidget>

#include <array>

class QTabWidget;

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК": the outputs in repeater and
// relay-module modes, one inner tab per output.
class RtrSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit RtrSettingsPage(QWidget* parent = nullptr);

    // The inner page control `ReleOKPageC`.
    QTabWidget* Tabs() const { return tabs_; }
    const OutputControls& Output(int output) const;

private:
    QWidget* BuildOutputTab(int output);

    QTabWidget* tabs_ = nullptr;
    std::array<OutputControls, 3> outputs_;
};

} // namespace tunbox
