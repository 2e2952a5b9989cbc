#pragma once

#include "model/MessageText.h"
#include "model/PageRules.h"
#include "model/ProcessEnd.h"
#include "model/SettingsPageModel.h"
#include "model/UnitContext.h"
#include "ui/settings/OutputControls.h"

#include <QWidget>

#include <array>
#include <functional>
#include <span>

class QTabWidget;

namespace tunbox {

// Everything that tells one settings page from the other: the name of its
// inner page control, the look of its output tabs and the rules of its model.
struct SettingsPageDesign {
    const char* tabsName;
    OutputTabDesign tab;
    const PageRules& rules;
};

// An output settings page: one inner tab per output, built from the page's
// design. The widgets show the page model; every click or choice of the user
// goes to the model, and the widgets refresh from it after every change.
class OutputSettingsPage : public QWidget {
    Q_OBJECT
  public:
    SettingsPageModel& Model() { return *model_; }
    const SettingsPageModel& Model() const { return *model_; }

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

    // The page's bytes of block into the page; a bad cell goes to end.
    UnpackResult Unpack(std::span<const quint32> block, ProcessEnd& end);
    // The page added into the zero-filled block.
    bool Pack(std::span<quint32> block) const;
    // The factory settings into the page, through the normal unpack.
    void ApplyFactoryDefaults();

    // The inner page control.
    QTabWidget* Tabs() const { return tabs_; }
    const OutputControls& Output(int output) const;

  protected:
    OutputSettingsPage(const SettingsPageDesign& design, QWidget* parent);

    // The user clicked mode entry mode (0..6) of output, other than the one
    // selected; the page runs its own handler for it.
    virtual void ModeEntryClicked(int output, int mode) = 0;
    // Shows the model again, e.g. after the model refused an act.
    void Refresh(bool refillLists = false);

    void changeEvent(QEvent* event) override;

  private:
    void ConnectOutput(int output);

    const SettingsPageDesign& design_;
    SettingsPageModel* model_;
    MessageLookup lookup_;
    QTabWidget* tabs_ = nullptr;
    std::array<OutputControls, OutputCount> outputs_;
};

} // namespace tunbox
