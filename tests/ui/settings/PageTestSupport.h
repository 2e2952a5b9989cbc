#pragma once

// Helpers for driving the settings pages as a user does.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tunbox::pagetest {

// Clicks the indicator of a check box or radio button with the mouse: the middle
// of a stretched button may lie beyond its text, where a click does nothing.
inline void ClickIndicator(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

// The items of a list as texts.
inline QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// What every named control of page shows, one line each, to compare two states.
inline std::vector<std::string> Snapshot(const QWidget* page) {
    std::vector<std::string> lines;
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        QString name = w->objectName();
        if (name.isEmpty() && qobject_cast<const QRadioButton*>(w))
            name = w->parentWidget()->objectName() + u'/' +
                   qobject_cast<const QRadioButton*>(w)->text();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        QString line = name + QStringLiteral(" enabled=%1 shown=%2")
                                  .arg(w->isEnabled())
                                  .arg(w->isVisibleTo(w->parentWidget()));
        if (auto* b = qobject_cast<const QAbstractButton*>(w))
            line += QStringLiteral(" checked=%1").arg(b->isChecked());
        if (auto* l = qobject_cast<const QComboBox*>(w))
            line += QStringLiteral(" index=%1 items=%2 text=%3")
                        .arg(l->currentIndex())
                        .arg(l->count())
                        .arg(l->currentText());
        lines.push_back(line.toStdString());
    }
    return lines;
}

} // namespace tunbox::pagetest
