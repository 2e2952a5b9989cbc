#include "ui/SettingsWorkflow.h"

#include "app/MessageTable.h"
#include "ui/CommandColumn.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

namespace tunbox {

SettingsWorkflow::SettingsWorkflow(MainWindow& window) : window_(window) {
    QObject::connect(window.Commands()->DefaultSettingsButton, &QPushButton::clicked, &window,
                     [this] { DefaultSettingsButtonClick(); });
}

void SettingsWorkflow::DefaultSettingsButtonClick() {
    QWidget* active = window_.MainPageC->ActivePage();
    if (auto* page = qobject_cast<OutputSettingsPage*>(active))
        page->ApplyFactoryDefaults();
    window_.SetStatusText(Msg(10014));
}

} // namespace tunbox
