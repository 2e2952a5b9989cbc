#pragma once

#include "ui/Dialogs.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace tunbox {

// The language dialog: the languages in a list, "OK" and "Отмена". A double
// click on a line confirms it like "OK". Its object name is "LaLanguageDialog".
class LanguageDialog : public QDialog {
    Q_OBJECT
  public:
    LanguageDialog(const LanguageDialogRequest& request, QWidget* parent = nullptr);

    // The confirmed line, or -1 before the user confirmed one.
    int ChosenIndex() const;

    void RetranslateUi();

    // The controls, each under its own object name; the dialog owns them.
    QListWidget* List = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void changeEvent(QEvent* event) override;
};

} // namespace tunbox
