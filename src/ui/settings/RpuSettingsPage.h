#pragma once

#include "model/MessageText.h"
#include "model/ProcessEnd.h"
#include "model/RpuPageModel.h"
#include "ui/settings/OutputControls.h"

#include <QWidget>

#include <array>
#include <span>

class QTabWidget;

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК (РПУ в автономном режиме)": the
// outputs of the receiver in autonomous work, one inner tab per output. The
// widgets show the page model; every click or choice of the user goes to the
// model, and the widgets refresh from it after every change. The mode rules of
// this page read nothing outside it, so it needs no unit context.
class RpuSettingsPage : public QWidget {
    Q_OBJECT
  public:
    // A page with its own model.
    explicit RpuSettingsPage(QWidget* parent = nullptr);
    // A page showing model, which must outlive the page.
    explicit RpuSettingsPage(RpuPageModel& model, QWidget* parent = nullptr);

    RpuPageModel& Model() { return *model_; }
    const RpuPageModel& Model() const { return *model_; }

    // Where the time-list texts come from; tunbox::Msg until set.
    void SetMessageLookup(MessageLookup lookup);
    // Refills every list from the catalogue and the current locale, e.g. after
    // the catalogue was filled for another language.
    void RefreshTexts();
    // Sets every caption in the current language and refills the lists; runs by
    // itself on a change of language.
    void RetranslateUi();

    // Bytes 49..95 of block into the page; a bad cell goes to end (see
    // UnpackRpuImage of the model).
    UnpackResult UnpackRpuImage(std::span<const quint32> block, ProcessEnd& end);
    // The page added into the zero-filled block, settings mark in byte 49 included.
    bool PackRpuImage(std::span<quint32> block) const;
    // The factory settings into the page, through the normal unpack.
    void ApplyFactoryDefaults();

    // The inner page control `ReleOKPageCRPU`.
    QTabWidget* Tabs() const { return tabs_; }
    const OutputControls& Output(int output) const;

  public slots:
    // The mode rule for the output whose buttons the sender belongs to
    // (RadioButton<o><m>) and the first checked button of that output; a sender
    // of no output, or no checked button, does nothing.
    void RadioButton_ReleWorkModeRPUClick(QObject* sender);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ConnectOutput(int output);
    void Refresh(bool refillLists = false);

    RpuPageModel* model_ = nullptr;
    MessageLookup lookup_;
    QTabWidget* tabs_ = nullptr;
    std::array<OutputControls, 3> outputs_;
};

} // namespace tunbox
