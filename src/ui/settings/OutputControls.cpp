#include "ui/settings/OutputControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tunbox {

QString OutputTitle(int output)
{
    return output == 3 ? QStringLiteral("Выход ОК №1")
                       : QStringLiteral("Реле №%1").arg(output);
}

const std::array<const char*, 7>& ModeTexts()
{
    static const std::array<const char*, 7> texts = {
        "ПЦН тревога", "Контрольная лампа", "Взят/снят", "Звуковой",
        "Тревога",     "Исполнительный",    "Специальный",
    };
    return texts;
}

QGroupBox* BuildModeGroup(OutputControls& controls, const QString& groupName,
                          const QString& title, const char* buttonPrefix,
                          unsigned enabledModes, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(groupName);
    group->setAccessibleName(title);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    controls.modeGroup = group;
    controls.modeButtons = new QButtonGroup(group);
    for (int m = 0; m < 7; ++m) {
        auto* button = new QRadioButton(QString::fromUtf8(ModeTexts()[m]), group);
        if (buttonPrefix)
            button->setObjectName(QStringLiteral("%1%2%3")
                                      .arg(QLatin1String(buttonPrefix))
                                      .arg(controls.output)
                                      .arg(m + 1));
        button->setAccessibleName(button->text());
        button->setEnabled((enabledModes >> m) & 1u);
        controls.modeButtons->addButton(button, m);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return group;
}

QGroupBox* BuildBindingGroup(OutputControls& controls, const QString& title,
                             const char* prefix, int count, int rows,
                             const QString& accessibleWord, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setAccessibleName(title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    controls.bindings.clear();
    controls.bindings.reserve(static_cast<size_t>(count));
    controls.bindingNumbers.clear();
    controls.bindingNumbers.reserve(static_cast<size_t>(count));
    const QString owner = OutputTitle(controls.output);
    for (int n = 1; n <= count; ++n) {
        const int column = (n - 1) / rows;
        const int row = (n - 1) % rows;
        auto* number = new QLabel(QString::number(n), group);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new QCheckBox(group);
        box->setObjectName(
            QStringLiteral("%1%2%3").arg(QLatin1String(prefix)).arg(controls.output).arg(n));
        box->setAccessibleName(QStringLiteral("%1, %2 %3").arg(owner, accessibleWord).arg(n));
        number->setBuddy(box);
        grid->addWidget(number, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
        controls.bindings.push_back(box);
        controls.bindingNumbers.push_back(number);
    }
    // Keep the columns apart so a number clearly belongs to the box on its right.
    const int columns = (count + rows - 1) / rows;
    for (int c = 0; c < columns; ++c)
        grid->setColumnMinimumWidth(c * 2 + 1, 24);
    grid->setColumnStretch(columns * 2, 1);
    return group;
}

QGroupBox* BuildEventGroup(OutputControls& controls,
                           const std::array<EventBoxSpec, 12>& specs, QWidget* parent)
{
    const QString title = QStringLiteral("Обрабатываемые извещения:");
    auto* group = new QGroupBox(title, parent);
    group->setAccessibleName(title);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    controls.events.clear();
    for (size_t i = 0; i < specs.size(); ++i) {
        const EventBoxSpec& spec = specs[i];
        auto* box = new QCheckBox(QString::fromUtf8(spec.caption), group);
        box->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(spec.prefix)).arg(controls.output));
        box->setAccessibleName(box->text());
        box->setEnabled(spec.enabled);
        box->setVisible(spec.visible);
        if (!spec.visible) {
            // A hidden box keeps its cell so the column does not shift.
            QSizePolicy policy = box->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            box->setSizePolicy(policy);
        }
        grid->addWidget(box, static_cast<int>(i % 6), static_cast<int>(i / 6));
        controls.events.push_back(box);
    }
    return group;
}

namespace {

QComboBox* AddListRow(QGridLayout* grid, int row, const char* prefix, int output,
                      const char* caption, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(output));
    list->setEditable(false);
    list->setAccessibleName(label->text().trimmed());
    // The time lists are long; show a good part of them when opened. They start
    // empty, so reserve room for the longest Russian time text ("21 мин. 10 с.")
    // and grow with the items when a language has longer ones.
    list->setMaxVisibleItems(20);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(13);
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

} // namespace

QGroupBox* BuildExtrasGroup(OutputControls& controls, const ExtrasNames& names,
                            QWidget* parent)
{
    const QString title = QStringLiteral("Дополнительно:");
    auto* group = new QGroupBox(title, parent);
    group->setAccessibleName(title);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    const int o = controls.output;
    controls.openTime = AddListRow(grid, 0, names.openTime, o, "Размыкание на время", group);
    controls.closeTime = AddListRow(grid, 1, names.closeTime, o, "Замыкание на время", group);
    controls.duration = AddListRow(grid, 2, names.duration, o, "Длительность извещения ", group);
    controls.inversion = AddListRow(grid, 3, names.inversion, o, "Инверсный режим", group);
    controls.inversion->addItems({QStringLiteral("Нет "), QStringLiteral("Да")});

    controls.control = AddListRow(grid, 4, names.control, o, "Управление реле", group);
    controls.control->addItems({QStringLiteral("по команде"), QStringLiteral("по событию")});
    controls.control->setEnabled(false);
    controls.control->hide();
    controls.controlLabel = qobject_cast<QLabel*>(grid->itemAtPosition(4, 0)->widget());
    controls.controlLabel->hide();
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    return group;
}

void AlignModeGroups(std::array<OutputControls, 3>& outputs)
{
    int width = 0;
    for (OutputControls& controls : outputs) {
        controls.modeGroup->setMinimumWidth(0);
        const QGroupBox* group = controls.modeGroup;
        width = std::max({width, group->sizeHint().width(), group->minimumSizeHint().width()});
    }
    for (OutputControls& controls : outputs)
        controls.modeGroup->setMinimumWidth(width);
}

void ArrangeOutputTab(QWidget* tab, QGroupBox* mode, QGroupBox* events, QGroupBox* bindings,
                      QGroupBox* extras)
{
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(mode);
    top->addWidget(events, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(bindings);
    bottom->addWidget(extras, 1);
    column->addLayout(top);
    column->addLayout(bottom);
    column->addStretch(1);
}

} // namespace tunbox
