#pragma once

// Helpers for driving the settings pages as a user does.
#include "support/QtPrinting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

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
        // Qt's own parts (the scroll buttons of a tab bar) follow the layout, not the page.
        if (name.isEmpty() || name.startsWith(u"qt_") ||
            qobject_cast<const QTabBar*>(w->parentWidget()))
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

// The size the main window gives each settings page: its page area inside the
// page control's frame and below the tab bar, read off a real window.
QSize WindowPageArea();

// A settings page of type Page shown at the size the window gives it, with the
// lookups and user acts the page tests share.
template <typename Page> class PageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        page.resize(WindowPageArea());
        page.show();
    }

    template <typename T> T* Find(const QString& name) {
        T* found = page.template findChild<T*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QCheckBox* Box(const char* prefix, int o, int n = 0) {
        return Find<QCheckBox>(QString::fromLatin1(prefix) + QString::number(o) +
                               (n ? QString::number(n) : QString()));
    }
    QComboBox* List(const char* prefix, int o) {
        return Find<QComboBox>(QString::fromLatin1(prefix) + QString::number(o));
    }
    // Entry mode (0..6) of output o's working-mode group.
    QAbstractButton* ModeItem(int o, int mode) { return page.Output(o).modeButtons->button(mode); }
    // A user's click on mode entry mode of output o, on the tab of its output.
    void ClickMode(int o, int mode) {
        page.Tabs()->setCurrentIndex(o - 1);
        QApplication::processEvents();
        ClickIndicator(ModeItem(o, mode));
    }
    // The user picks the next item of list with the keyboard.
    void ChooseNext(QComboBox* list) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }

    Page page;
};

} // namespace tunbox::pagetest
