#include "ui/widgets/RadioGroup.h"

#include "ui/widgets/ButtonChoice.h"

#include <QVBoxLayout>

namespace tunbox {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
    new QVBoxLayout(this);
    connect(&group_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemChosen(id);
    });
}

void RadioGroup::SetItems(const QStringList& items) {
    for (QRadioButton* button : std::as_const(buttons_)) {
        group_.removeButton(button);
        delete button;
    }
    buttons_.clear();
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        button->setAccessibleName(text);
        group_.addButton(button, static_cast<int>(buttons_.size()));
        layout()->addWidget(button);
        buttons_.append(button);
    }
}

void RadioGroup::SetItemTexts(const QStringList& items) {
    for (qsizetype i = 0; i < buttons_.size() && i < items.size(); ++i) {
        buttons_[i]->setText(items[i]);
        buttons_[i]->setAccessibleName(items[i]);
    }
}

int RadioGroup::ItemCount() const {
    return static_cast<int>(buttons_.size());
}

QRadioButton* RadioGroup::Item(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

int RadioGroup::ItemIndex() const {
    return group_.checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    ShowChoice(&group_, index);
}

} // namespace tunbox
