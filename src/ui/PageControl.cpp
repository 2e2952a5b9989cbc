#include "ui/PageControl.h"

#include <QScopedValueRollback>
#include <QTabBar>

namespace tunbox {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    // Tab captions are long; show them whole and scroll the tab row instead.
    tabBar()->setElideMode(Qt::ElideNone);
    tabBar()->setUsesScrollButtons(true);
    tabBar()->setExpanding(false);
    connect(this, &QTabWidget::currentChanged, this, &PageControl::OnCurrentChanged);
}

void PageControl::SetActivePage(QWidget* page) {
    const QScopedValueRollback<bool> quiet(quiet_, true);
    setCurrentWidget(page);
}

QWidget* PageControl::ActivePage() const {
    return currentWidget();
}

int PageControl::ActivePageIndex() const {
    return currentIndex();
}

void PageControl::SetTabShown(QWidget* page, bool shown) {
    const int index = indexOf(page);
    if (index < 0)
        return;
    const QScopedValueRollback<bool> quiet(quiet_, true);
    setTabVisible(index, shown);
}

bool PageControl::IsTabShown(QWidget* page) const {
    const int index = indexOf(page);
    return index >= 0 && isTabVisible(index);
}

void PageControl::OnCurrentChanged(int index) {
    if (!quiet_ && index >= 0)
        emit PageChosen(widget(index));
}

} // namespace tunbox
