#pragma once

#include <QTabWidget>

namespace tunbox {

// The window's page control. Pages keep their place whether or not their tab
// is shown. Changes made by the program (active page, shown tabs) stay quiet;
// only the user's choice of a page is announced through PageChosen, so the
// page-entry work runs once per choice and the program calls it itself after
// its own changes.
class PageControl : public QTabWidget {
    Q_OBJECT
  public:
    explicit PageControl(QWidget* parent = nullptr);

    void SetActivePage(QWidget* page);
    QWidget* ActivePage() const;
    int ActivePageIndex() const;

    void SetTabShown(QWidget* page, bool shown);
    bool IsTabShown(QWidget* page) const;

  signals:
    void PageChosen(QWidget* page);

  private:
    void OnCurrentChanged(int index);

    bool quiet_ = false;
};

} // namespace tunbox
