#pragma once

#include "ui/settings/OutputSettingsPage.h"

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК (РПУ в автономном режиме)"
// (ReleSettingsTabRPU): the outputs of the receiver in autonomous work, one inner
// tab per output (inner page control `ReleOKPageCRPU`). It packs bytes 49..95 of
// the settings block (RpuImage). Its mode rules read nothing outside the page.
class RpuSettingsPage final : public OutputSettingsPage {
    Q_OBJECT
  public:
    explicit RpuSettingsPage(QWidget* parent = nullptr);

    // Bytes 49..95 of block into the page; a bad cell goes to end (see
    // UnpackRpuImage of the model).
    UnpackResult UnpackRpuImage(std::span<const quint32> block, ProcessEnd& end) {
        return Unpack(block, end);
    }
    // The page added into the zero-filled block, settings mark in byte 49 included.
    bool PackRpuImage(std::span<quint32> block) const { return Pack(block); }

  public slots:
    // The mode rule for the output whose buttons the sender belongs to
    // (RadioButton<o><m>) and the first checked button of that output; a sender
    // of no output, or no checked button, does nothing.
    void RadioButton_ReleWorkModeRPUClick(QObject* sender);

  protected:
    void ModeEntryClicked(int output, int mode) override;
};

} // namespace tunbox
