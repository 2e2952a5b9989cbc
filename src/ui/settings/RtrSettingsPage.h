#pragma once

#include "model/MessageText.h"
#include "model/ProcessEnd.h"
#include "model/RtrPageModel.h"
#include "model/UnitContext.h"
#include "ui/settings/OutputControls.h"

#include <QWidget>

#include <array>
#include <functional>
#include <span>

class QTabWidget;

namespace tunbox {

// Content of the page "Режимы реле и выхода ОК": the outputs in repeater and
// relay-module modes, one inner tab per output. The widgets show the page model;
// every click or choice of the user goes to the model, and the widgets refresh
// from it after every change.
class RtrSettingsPage : public QWidget {
    Q_OBJECT
  public:
    // A page with its own model.
    explicit RtrSettingsPage(QWidget* parent = nullptr);
    // A page showing model, which must outlive the page.
    explicit RtrSettingsPage(RtrPageModel& model, QWidget* parent = nullptr);

    RtrPageModel& Model() { return *model_; }
    const RtrPageModel& Model() const { return *model_; }

    // Where the mode rules read DemoMode, DeviceMode and whether RTR_rb is
    // checked; until set, a page without a unit (UnitContext defaults).
    void SetContextSource(std::function<UnitContext()> source);
    // Where the time-list texts come from; tunbox::Msg until set.
    void SetMessageLookup(MessageLookup lookup);
    // Refills every list from the catalogue and the current locale, e.g. after
    // the catalogue was filled for another language.
    void RefreshTexts();
    // Sets every caption in the current language and refills the lists; runs by
    // itself on a change of language.
    void RetranslateUi();

    // Bytes 0..44 of block into the page; a bad cell goes to end (see
    // UnpackReleImage of the model).
    UnpackResult UnpackReleImage(std::span<const quint32> block, ProcessEnd& end);
    // The page added into the zero-filled block.
    bool PackReleImage(std::span<quint32> block) const;
    // The factory settings into the page, through the normal unpack.
    void ApplyFactoryDefaults();

    // The inner page control `ReleOKPageC`.
    QTabWidget* Tabs() const { return tabs_; }
    const OutputControls& Output(int output) const;

  public slots:
    // The mode rule for the radio group sender (ReleWorkMode1..3) and the entry
    // it has selected; any other sender, or no selected entry, does nothing.
    void ReleWorkMode1Click(QObject* sender);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ConnectOutput(int output);
    void Refresh(bool refillLists = false);

    RtrPageModel* model_ = nullptr;
    MessageLookup lookup_;
    QTabWidget* tabs_ = nullptr;
    std::array<OutputControls, 3> outputs_;
};

} // namespace tunbox
