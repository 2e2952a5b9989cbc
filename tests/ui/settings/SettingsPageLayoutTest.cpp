// Both pages fit the page area of the main window with every text whole and
// nothing overlapping, on every output tab, with the time lists filled.
#include "PageTestSupport.h"

#include "ui/settings/ReleSettingsPage.h"
#include "ui/settings/RpuSettingsPage.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

QString Describe(const QWidget* w) {
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return QStringLiteral("label '%1'").arg(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return QStringLiteral("button '%1'").arg(button->text());
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return QStringLiteral("group '%1'").arg(group->title());
    return QString::fromLatin1(w->metaObject()->className());
}

// Width the list needs to show its longest item whole.
int LongestItemWidth(const QComboBox* list) {
    int width = 0;
    for (int i = 0; i < list->count(); ++i)
        width = std::max(width, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    return width;
}

int EditFieldWidth(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.frame = true;
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}

void CheckTab(QWidget* tab) {
    const QRect area = tab->rect();
    for (QWidget* w : tab->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().startsWith(u"qt_"))
            continue;
        const QString name = Describe(w);
        const QRect inTab(w->mapTo(tab, QPoint(0, 0)), w->size());
        EXPECT_TRUE(area.contains(inTab)) << qPrintable(name) << " lies outside its tab";
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << qPrintable(name) << " is cut";
            EXPECT_GE(w->height(), w->sizeHint().height()) << qPrintable(name) << " is cut";
        }
        if (auto* group = qobject_cast<QGroupBox*>(w)) {
            EXPECT_GE(group->width(), group->minimumSizeHint().width()) << qPrintable(name);
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            EXPECT_GE(EditFieldWidth(list), LongestItemWidth(list)) << qPrintable(name);
        }
    }
    // Siblings never overlap: each group's and the tab's own children.
    QList<QWidget*> parents = {tab};
    for (QGroupBox* group : tab->findChildren<QGroupBox*>())
        parents << group;
    for (QWidget* parent : parents) {
        QList<QWidget*> children;
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                children << w;
        for (int i = 0; i < children.size(); ++i) {
            for (int j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << qPrintable(Describe(children[i])) << " overlaps "
                    << qPrintable(Describe(children[j]));
            }
        }
    }
}

template <typename Page> void CheckPage(Page& page) {
    EXPECT_LE(page.minimumSizeHint().width(), pagetest::WindowPageArea().width());
    EXPECT_LE(page.minimumSizeHint().height(), pagetest::WindowPageArea().height());
    page.resize(pagetest::WindowPageArea());
    page.show();
    for (int i = 0; i < page.Tabs()->count(); ++i) {
        SCOPED_TRACE(::testing::Message() << "tab " << i + 1);
        page.Tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(page.size(), pagetest::WindowPageArea());
        CheckTab(page.Tabs()->widget(i));
    }
}

TEST(SettingsPageLayout, RepeaterPageFitsWithEveryTextWhole) {
    {
        ReleSettingsPage page;
        CheckPage(page);
    }
    // Factory defaults fill every time list, the minute list included.
    ReleSettingsPage page;
    page.ApplyFactoryDefaults();
    CheckPage(page);
}

TEST(SettingsPageLayout, ReceiverPageFitsWithEveryTextWhole) {
    {
        RpuSettingsPage page;
        CheckPage(page);
    }
    RpuSettingsPage page;
    for (int o = 1; o <= 3; ++o)
        page.Model().SetMode(o, 6);
    CheckPage(page);
}

} // namespace
} // namespace tunbox
