#include "ui/settings/OutputControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tunbox {

namespace {

// The seven working modes, index = mode.
constexpr std::array<const char*, 7> kModeTexts = {
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "ПЦН тревога"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Контрольная лампа"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взят/снят"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Звуковой"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Тревога"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Исполнительный"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Специальный"),
};

// Labels of the lists of the group "Дополнительно:", in list order.
constexpr std::array<const char*, 5> kListLabels = {
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Размыкание на время"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Замыкание на время"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Длительность извещения "),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Инверсный режим"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Управление реле"),
};

constexpr std::array<const char*, 2> kControlItems = {
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "по команде"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "по событию"),
};

// Names of the lists, in list order; each page appends its suffix and the
// output digit. The first four are the model's OptionList.
constexpr std::array<const char*, 5> kListNames = {
    "TimeRzmk", "TimeZmk", "TimePeriod", "InvRele", "ReleControl",
};

constexpr int kControlList = 4;

QString Composed(const QString& prefix, int output, int index = 0) {
    QString name = prefix + QString::number(output);
    if (index > 0)
        name += QString::number(index);
    return name;
}

QGroupBox* BuildModeGroup(OutputControls& controls, const OutputTabDesign& design,
                          const PageRules& rules, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(Composed(QLatin1String(design.modeGroupPrefix), controls.output));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    controls.modeGroup = group;
    controls.modeButtons = new QButtonGroup(group);
    for (int m = 0; m < static_cast<int>(kModeTexts.size()); ++m) {
        auto* button = new QRadioButton(group);
        if (design.modeButtonPrefix)
            button->setObjectName(
                Composed(QLatin1String(design.modeButtonPrefix), controls.output, m + 1));
        button->setEnabled(rules.modeOffered(m));
        controls.modeButtons->addButton(button, m);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return group;
}

// Caption-less boxes, each beside its number label, in numbered columns
// top to bottom.
QGroupBox* BuildBindingGroup(OutputControls& controls, const OutputTabDesign& design,
                             QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    controls.bindingGroup = group;
    for (int n = 1; n <= design.bindingCount; ++n) {
        const int column = (n - 1) / design.bindingRows;
        const int row = (n - 1) % design.bindingRows;
        auto* number = new QLabel(QString::number(n), group);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new QCheckBox(group);
        box->setObjectName(Composed(QLatin1String(design.bindingPrefix), controls.output, n));
        number->setBuddy(box);
        grid->addWidget(number, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
        controls.bindings.push_back(box);
        controls.bindingNumbers.push_back(number);
    }
    // Keep the columns apart so a number clearly belongs to the box on its right.
    const int columns = (design.bindingCount + design.bindingRows - 1) / design.bindingRows;
    for (int c = 0; c < columns; ++c)
        grid->setColumnMinimumWidth(c * 2 + 1, 24);
    grid->setColumnStretch(columns * 2, 1);
    return group;
}

// Two columns of six event boxes, the left column first.
QGroupBox* BuildEventGroup(OutputControls& controls, const PageRules& rules, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    controls.eventGroup = group;
    for (size_t i = 0; i < rules.eventPrefixes.size(); ++i) {
        auto* box = new QCheckBox(group);
        box->setObjectName(Composed(QLatin1String(rules.eventPrefixes[i]), controls.output));
        // A hidden box keeps its cell so the column does not shift.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        grid->addWidget(box, static_cast<int>(i % 6), static_cast<int>(i / 6));
        controls.events.push_back(box);
    }
    return group;
}

// The three time lists and the inversion list, each with its label on the left,
// and the hidden, disabled control list.
QGroupBox* BuildExtrasGroup(OutputControls& controls, const OutputTabDesign& design,
                            QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    controls.extrasGroup = group;
    for (size_t l = 0; l < controls.lists.size(); ++l) {
        auto* label = new QLabel(group);
        auto* list = new QComboBox(group);
        list->setObjectName(Composed(
            QLatin1String(kListNames[l]) + QLatin1String(design.listSuffix), controls.output));
        list->setEditable(false);
        // The time lists are long; show a good part of them when opened. They
        // start empty, so reserve room for the longest Russian time text
        // ("21 мин. 10 с.") and grow with the items of a language with longer ones.
        list->setMaxVisibleItems(20);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMinimumContentsLength(13);
        label->setBuddy(list);
        grid->addWidget(label, static_cast<int>(l), 0);
        grid->addWidget(list, static_cast<int>(l), 1);
        controls.lists[l] = list;
        controls.listLabels[l] = label;
    }
    for (size_t i = 0; i < kControlItems.size(); ++i)
        controls.lists[kControlList]->addItem(QString());
    controls.lists[kControlList]->setEnabled(false);
    controls.lists[kControlList]->hide();
    controls.listLabels[kControlList]->setEnabled(false);
    controls.listLabels[kControlList]->hide();
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(controls.lists.size()), 1);
    return group;
}

} // namespace

QString SettingsText(const char* source) {
    return QCoreApplication::translate(SettingsPagesContext, source);
}

QString OutputTitle(int output) {
    return output == 3
               ? SettingsText(QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Выход ОК №1"))
               : SettingsText(QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Реле №%1")).arg(output);
}

QWidget* BuildOutputTab(OutputControls& controls, const OutputTabDesign& design,
                        const PageRules& rules, int output) {
    controls.output = output;
    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(design.tabNames[static_cast<size_t>(output - 1)]));

    QGroupBox* mode = BuildModeGroup(controls, design, rules, tab);
    QGroupBox* events = BuildEventGroup(controls, rules, tab);
    QGroupBox* bindings = BuildBindingGroup(controls, design, tab);
    QGroupBox* extras = BuildExtrasGroup(controls, design, tab);

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
    return tab;
}

void RetranslateOutputTab(OutputControls& controls, const OutputTabDesign& design) {
    const QString modeTitle =
        SettingsText(controls.output == 3 ? design.okModeTitle : design.relayModeTitle);
    controls.modeGroup->setTitle(modeTitle);
    controls.modeGroup->setAccessibleName(modeTitle);
    for (int m = 0; m < static_cast<int>(kModeTexts.size()); ++m) {
        QAbstractButton* button = controls.modeButtons->button(m);
        button->setText(SettingsText(kModeTexts[static_cast<size_t>(m)]));
        button->setAccessibleName(button->text());
    }

    const QString bindingTitle = SettingsText(design.bindingTitle);
    controls.bindingGroup->setTitle(bindingTitle);
    controls.bindingGroup->setAccessibleName(bindingTitle);
    // Caption-less boxes get a spoken name such as "Реле №1, раздел 11".
    const QString owner = OutputTitle(controls.output);
    const QString word = SettingsText(design.bindingWord);
    for (size_t i = 0; i < controls.bindings.size(); ++i)
        controls.bindings[i]->setAccessibleName(
            QStringLiteral("%1, %2 %3").arg(owner, word).arg(i + 1));

    const QString eventTitle =
        SettingsText(QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Обрабатываемые извещения:"));
    controls.eventGroup->setTitle(eventTitle);
    controls.eventGroup->setAccessibleName(eventTitle);
    for (size_t i = 0; i < controls.events.size(); ++i) {
        controls.events[i]->setText(SettingsText(design.eventCaptions[i]));
        controls.events[i]->setAccessibleName(controls.events[i]->text());
    }

    const QString extrasTitle =
        SettingsText(QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Дополнительно:"));
    controls.extrasGroup->setTitle(extrasTitle);
    controls.extrasGroup->setAccessibleName(extrasTitle);
    for (size_t l = 0; l < controls.lists.size(); ++l) {
        controls.listLabels[l]->setText(SettingsText(kListLabels[l]));
        controls.lists[l]->setAccessibleName(controls.listLabels[l]->text().trimmed());
    }
    for (size_t i = 0; i < kControlItems.size(); ++i)
        controls.lists[kControlList]->setItemText(static_cast<int>(i),
                                                  SettingsText(kControlItems[i]));
}

void AlignModeGroups(std::array<OutputControls, 3>& outputs) {
    int width = 0;
    for (OutputControls& controls : outputs) {
        controls.modeGroup->setMinimumWidth(0);
        const QGroupBox* group = controls.modeGroup;
        width = std::max({width, group->sizeHint().width(), group->minimumSizeHint().width()});
    }
    for (OutputControls& controls : outputs)
        controls.modeGroup->setMinimumWidth(width);
}

} // namespace tunbox
