#include "PageTestSupport.h"

#include "support/WindowUnderTest.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

namespace tunbox::pagetest {

QSize WindowPageArea() {
    static const QSize area = [] {
        WindowUnderTest w;
        w.window->show();
        w.window->MainPageC->SetTabShown(w.window->ReleSettingsTabSh, true);
        w.window->MainPageC->SetActivePage(w.window->ReleSettingsTabSh);
        w.window->MainPageC->show();
        QApplication::processEvents();
        return w.window->ReleSettingsTabSh->size();
    }();
    return area;
}

} // namespace tunbox::pagetest
