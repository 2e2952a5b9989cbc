#pragma once

#include "ui/settings/OutputSettingsPage.h"

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК" (ReleSettingsTabSh): the outputs
// of repeater and relay-module units, one inner tab per output (inner page
// control `ReleOKPageC`). It packs bytes 0..44 of the settings block (ReleImage).
class ReleSettingsPage final : public OutputSettingsPage {
    Q_OBJECT
  public:
    explicit ReleSettingsPage(QWidget* parent = nullptr);

    // Bytes 0..44 of block into the page; a bad cell goes to end (see
    // UnpackReleImage of the model).
    UnpackResult UnpackReleImage(std::span<const quint32> block, ProcessEnd& end) {
        return Unpack(block, end);
    }
    // The page added into the zero-filled block.
    bool PackReleImage(std::span<quint32> block) const { return Pack(block); }

  public slots:
    // The mode rule for the radio group sender (ReleWorkMode1..3) and the entry
    // it has selected; any other sender, or no selected entry, does nothing.
    void ReleWorkMode1Click(QObject* sender);

  protected:
    void ModeEntryClicked(int output, int mode) override;
};

} // namespace tunbox
