#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

namespace tunbox {

// A framed group of radio buttons read and set by index, with -1 for none.
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit RadioGroup(QWidget* parent = nullptr);

    // Replaces the items; none is selected afterwards.
    void SetItems(const QStringList& items);
    // Renames the items in place, keeping the selection.
    void SetItemTexts(const QStringList& items);
    int ItemCount() const;
    QRadioButton* Item(int index) const;

    int ItemIndex() const;
    // An index outside the items clears the selection.
    void SetItemIndex(int index);

  signals:
    // The user picked an item (not emitted for SetItemIndex).
    void ItemClicked(int index);
    // Item index became the chosen one, by the user or by SetItemIndex.
    void ItemChosen(int index);

  private:
    QButtonGroup group_;
    QList<QRadioButton*> buttons_;
};

} // namespace tunbox
