#include "ui/widgets/ButtonChoice.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace tunbox {

void ShowChoice(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace tunbox
