#pragma once

#include "ui/settings/OutputControls.h"

#include <QWidget>

#include <array>

class QTabWidget;

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК (РПУ в автономном режиме)": the
// outputs of the receiver in autonomous work, one inner tab per output.
class RpuSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit RpuSettingsPage(QWidget* parent = nullptr);

    // The inner page control `ReleOKPageCRPU`.
    QTabWidget* Tabs() const { return tabs_; }
    const OutputControls& Output(int output) const;

private:
    QWidget* BuildOutputTab(int output);

    QTabWidget* tabs_ = nullptr;
    std::array<OutputControls, 3> outputs_;
};

} // namespace tunbox
