// Every control family of both settings pages is found by its composed name,
// exactly once, with the kind, caption and starting state the pages promise.
#include "PageTestSupport.h"

#include "ui/settings/ReleSettingsPage.h"
#include "ui/settings/RpuSettingsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTranslator>

#include <gtest/gtest.h>

#include <vector>

namespace tunbox {
namespace {

enum class Kind { Check, Radio, Group, List };

struct Family {
    const char* prefix;
    int count; // 0: the name is prefix + output digit only
    Kind kind;
};

// Both pages under one parent, as in the main window, so a name that occurs on
// both pages would be caught too.
struct Host {
    QWidget window;
    ReleSettingsPage* rtr = new ReleSettingsPage(&window);
    RpuSettingsPage* rpu = new RpuSettingsPage(&window);

    QList<QObject*> Named(const QString& name) const { return window.findChildren<QObject*>(name); }
};

bool IsKind(QObject* object, Kind kind) {
    switch (kind) {
    case Kind::Check:
        return qobject_cast<QCheckBox*>(object) != nullptr;
    case Kind::Radio:
        return qobject_cast<QRadioButton*>(object) != nullptr;
    case Kind::Group:
        return qobject_cast<QGroupBox*>(object) != nullptr;
    case Kind::List:
        return qobject_cast<QComboBox*>(object) != nullptr;
    }
    return false;
}

QString Compose(const char* prefix, int output, int index) {
    QString name = QString::fromLatin1(prefix) + QString::number(output);
    if (index > 0)
        name += QString::number(index);
    return name;
}

const std::vector<Family>& Families() {
    static const std::vector<Family> families = {
        {"privrele", 16, Kind::Check},
        {"ReleWorkMode", 0, Kind::Group},
        {"AlarmEvent", 0, Kind::Check},
        {"BoxDamage", 0, Kind::Check},
        {"OnOffLine", 0, Kind::Check},
        {"OnOffAllLine", 0, Kind::Check},
        {"ErrorFire", 0, Kind::Check},
        {"NoConnect", 0, Kind::Check},
        {"ErrorPower", 0, Kind::Check},
        {"RadioChanBlck", 0, Kind::Check},
        {"DamageCD", 0, Kind::Check},
        {"SelfDamage", 0, Kind::Check},
        {"NoLine", 0, Kind::Check},
        {"PowerCD", 0, Kind::Check},
        {"TimeRzmk", 0, Kind::List},
        {"TimeZmk", 0, Kind::List},
        {"TimePeriod", 0, Kind::List},
        {"InvRele", 0, Kind::List},
        {"ReleControl", 0, Kind::List},
        {"privrelrpu", 48, Kind::Check},
        {"GrB_ReleWorkModeRPU", 0, Kind::Group},
        {"RadioButton", 7, Kind::Radio},
        {"AlarmEventRPU", 0, Kind::Check},
        {"ErrorFireRPU", 0, Kind::Check},
        {"AhtungFireIIRPU", 0, Kind::Check},
        {"OnOfLineRPU", 0, Kind::Check},
        {"OnAllLineRPU", 0, Kind::Check},
        {"PowerCDRPU", 0, Kind::Check},
        {"DamageIIRPU", 0, Kind::Check},
        {"NoLinkRPU", 0, Kind::Check},
        {"RadioChanBlckRPU", 0, Kind::Check},
        {"ErrorPowerRPU", 0, Kind::Check},
        {"BoxDamageRPU", 0, Kind::Check},
        {"SelfDamageRPU", 0, Kind::Check},
        {"TimeRzmkRPU", 0, Kind::List},
        {"TimeZmkRPU", 0, Kind::List},
        {"TimePeriodRPU", 0, Kind::List},
        {"InvReleRPU", 0, Kind::List},
        {"ReleControlRPU", 0, Kind::List},
    };
    return families;
}

TEST(SettingsPageNames, EveryComposedNameFindsExactlyOneControlOfItsKind) {
    Host host;
    for (const Family& family : Families()) {
        for (int o = 1; o <= 3; ++o) {
            for (int n = family.count > 0 ? 1 : 0; n <= family.count; ++n) {
                const QString name = Compose(family.prefix, o, n);
                const QList<QObject*> found = host.Named(name);
                ASSERT_EQ(found.size(), 1) << qPrintable(name);
                EXPECT_TRUE(IsKind(found.front(), family.kind)) << qPrintable(name);
                const bool onRtr = host.rtr->isAncestorOf(qobject_cast<QWidget*>(found.front()));
                const bool rpuFamily = QString::fromLatin1(family.prefix).contains(u"RPU") ||
                                       QString::fromLatin1(family.prefix) == u"privrelrpu" ||
                                       QString::fromLatin1(family.prefix) == u"RadioButton";
                EXPECT_EQ(onRtr, !rpuFamily) << qPrintable(name) << " is on the wrong page";
            }
        }
    }
}

TEST(SettingsPageNames, NamesBeyondTheRangesFindNothing) {
    Host host;
    const char* const beyond[] = {
        "privrele117",   "privrele217",   "privrele317",   "privrele10",
        "privrelrpu149", "privrelrpu249", "privrelrpu349", "privrelrpu10",
        "RadioButton18", "RadioButton38", "RadioButton10", "privrele41",
        "ReleWorkMode4", "ReleWorkMode0", "TimeRzmk4",     "AlarmEventRPU4",
    };
    for (const char* name : beyond)
        EXPECT_TRUE(host.Named(QString::fromLatin1(name)).isEmpty()) << name;
}

TEST(SettingsPageNames, InnerPageControlsHoldOneTabPerOutput) {
    Host host;
    struct Case {
        QTabWidget* tabs;
        const char* tabsName;
        std::array<const char*, 3> pages;
    };
    const Case cases[] = {
        {host.rtr->Tabs(), "ReleOKPageC", {"Rele1TabSh", "Rele2TabSh", "OK1TabSh"}},
        {host.rpu->Tabs(), "ReleOKPageCRPU", {"TabSheet2", "TabSheet3", "TabSheet4"}},
    };
    const QString captions[] = {QStringLiteral("Реле №1"), QStringLiteral("Реле №2"),
                                QStringLiteral("Выход ОК №1")};
    for (const Case& c : cases) {
        EXPECT_EQ(c.tabs->objectName(), QLatin1String(c.tabsName));
        ASSERT_EQ(c.tabs->count(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(c.tabs->widget(i)->objectName(), QLatin1String(c.pages[i]));
            EXPECT_EQ(c.tabs->tabText(i), captions[i]);
        }
    }
}

// Caption and starting state of each event box, both pages, every output.
TEST(SettingsPageNames, EventBoxesStartWithTheirCaptionsAndStates) {
    struct Case {
        const char* prefix;
        const char* caption;
        bool enabled;
        bool visible;
    };
    const Case cases[] = {
        {"AlarmEvent", "Тревога/пожар (разделы)", true, true},
        {"BoxDamage", "Вскрытие (разделы)", false, true},
        {"OnOffLine", "Взятие по одному/Снятие по всем ", true, true},
        {"OnOffAllLine", "Взятие по всем/Снятие по одному", true, true},
        {"ErrorFire", "Неисправность (разделы)", true, true},
        {"NoConnect", "Неисправность РК (разделы)", false, true},
        {"ErrorPower", "Неисправ. питания (разделы)", false, true},
        {"RadioChanBlck", "Блокирование РК (оборуд-е)", true, true},
        {"DamageCD", "Вскрытие (оборуд-е)", true, true},
        {"SelfDamage", "Собственное вскрытие", true, true},
        {"NoLine", "Неисп. линии связи (оборуд-е)", true, true},
        {"PowerCD", "Неисправ. питания (оборуд-е)", true, true},
        {"AlarmEventRPU", "Тревога/пожар", true, true},
        {"ErrorFireRPU", "Неисправность (пожар ИИ)", false, true},
        {"AhtungFireIIRPU", "Внимание (пожар ИИ)", true, true},
        {"OnOfLineRPU", "Взятие по одному из ШС/Снятие", true, true},
        {"OnAllLineRPU", "Взятие по всем ШС/Снятие", true, true},
        {"PowerCDRPU", "Неисправность питания ИИ", false, true},
        {"DamageIIRPU", "Вскрытие ИИ", false, true},
        {"NoLinkRPU", "Нет связи с ИИ", true, true},
        {"RadioChanBlckRPU", "Блокирование РК", true, true},
        {"ErrorPowerRPU", "Неисправность питания РПУ", true, true},
        {"BoxDamageRPU", "Вскрытие РПУ", true, true},
        {"SelfDamageRPU", "Собств. вскрытие", false, false},
    };
    Host host;
    host.window.show();
    for (const Case& c : cases) {
        for (int o = 1; o <= 3; ++o) {
            const QString name = Compose(c.prefix, o, 0);
            auto* box = host.window.findChild<QCheckBox*>(name);
            ASSERT_NE(box, nullptr) << qPrintable(name);
            EXPECT_EQ(box->text(), QString::fromUtf8(c.caption)) << qPrintable(name);
            EXPECT_EQ(box->isEnabled(), c.enabled) << qPrintable(name);
            EXPECT_EQ(box->isVisibleTo(box->parentWidget()), c.visible) << qPrintable(name);
            EXPECT_FALSE(box->isChecked()) << qPrintable(name);
            EXPECT_EQ(box->accessibleName(), box->text()) << qPrintable(name);
        }
    }
}

TEST(SettingsPageNames, ModeControlsStartAsDesigned) {
    Host host;
    const QStringList modes = {"ПЦН тревога", "Контрольная лампа", "Взят/снят",  "Звуковой",
                               "Тревога",     "Исполнительный",    "Специальный"};
    for (int o = 1; o <= 3; ++o) {
        auto* group = host.rtr->findChild<QGroupBox*>(Compose("ReleWorkMode", o, 0));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), o == 3 ? QStringLiteral("Режим работы выхода ОК:")
                                         : QStringLiteral("Режим работы реле:"));
        const QList<QRadioButton*> items = group->findChildren<QRadioButton*>();
        ASSERT_EQ(items.size(), 7);
        for (int m = 0; m < 7; ++m) {
            EXPECT_EQ(items[m]->text(), modes[m]);
            EXPECT_TRUE(items[m]->isEnabled());
            EXPECT_EQ(items[m]->isChecked(), m == 0) << "output " << o << " item " << m;
        }

        auto* frame = host.rpu->findChild<QGroupBox*>(Compose("GrB_ReleWorkModeRPU", o, 0));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), o == 3 ? QStringLiteral("Режим работы выхода ОК")
                                         : QStringLiteral("Режим работы реле"));
        for (int m = 1; m <= 7; ++m) {
            auto* button = frame->findChild<QRadioButton*>(Compose("RadioButton", o, m));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), modes[m - 1]);
            EXPECT_EQ(button->isEnabled(), m == 4 || m == 5 || m == 7) << o << m;
            EXPECT_FALSE(button->isChecked());
        }
    }
}

TEST(SettingsPageNames, ListsStartWithTheirItemsAndLabels) {
    Host host;
    host.window.show();
    struct Case {
        const char* prefix;
        const char* label;
        QStringList items;
        bool usable; // enabled and shown
    };
    const Case cases[] = {
        {"TimeRzmk", "Размыкание на время", {}, true},
        {"TimeZmk", "Замыкание на время", {}, true},
        {"TimePeriod", "Длительность извещения ", {}, true},
        {"InvRele", "Инверсный режим", {"Нет ", "Да"}, true},
        {"ReleControl", "Управление реле", {"по команде", "по событию"}, false},
        {"TimeRzmkRPU", "Размыкание на время", {}, true},
        {"TimeZmkRPU", "Замыкание на время", {}, true},
        {"TimePeriodRPU", "Длительность извещения ", {}, true},
        {"InvReleRPU", "Инверсный режим", {"Нет ", "Да"}, true},
        {"ReleControlRPU", "Управление реле", {"по команде", "по событию"}, false},
    };
    for (const Case& c : cases) {
        for (int o = 1; o <= 3; ++o) {
            const QString name = Compose(c.prefix, o, 0);
            auto* list = host.window.findChild<QComboBox*>(name);
            ASSERT_NE(list, nullptr) << qPrintable(name);
            EXPECT_FALSE(list->isEditable()) << qPrintable(name);
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            EXPECT_EQ(items, c.items) << qPrintable(name);
            for (QTabWidget* tabs : {host.rtr->Tabs(), host.rpu->Tabs()})
                tabs->setCurrentIndex(o - 1);
            QApplication::processEvents();
            EXPECT_EQ(list->isEnabled(), c.usable) << qPrintable(name);
            EXPECT_EQ(list->isVisibleTo(list->parentWidget()), c.usable) << qPrintable(name);

            // The label on the left of the list names it.
            QLabel* label = nullptr;
            for (QLabel* candidate : list->parentWidget()->findChildren<QLabel*>())
                if (candidate->buddy() == list)
                    label = candidate;
            ASSERT_NE(label, nullptr) << qPrintable(name);
            EXPECT_EQ(label->text(), QString::fromUtf8(c.label));
            EXPECT_EQ(label->isVisibleTo(label->parentWidget()), c.usable);
            EXPECT_EQ(label->isEnabled(), c.usable) << "label of " << qPrintable(name);
            if (c.usable) {
                EXPECT_LT(label->geometry().right(), list->geometry().left());
            }
        }
    }
}

// Caption-less binding boxes: numbered columns, top to bottom, and a name a
// screen reader can speak.
TEST(SettingsPageNames, BindingBoxesSitInNumberedColumns) {
    Host host;
    host.window.resize(700, 560);
    host.rtr->setGeometry(QRect(QPoint(0, 0), pagetest::WindowPageArea()));
    host.rpu->setGeometry(QRect(QPoint(0, 0), pagetest::WindowPageArea()));
    host.window.show();
    struct Case {
        QTabWidget* tabs;
        const char* prefix;
        int count;
        int rows;
        const char* word;
    };
    const Case cases[] = {
        {host.rtr->Tabs(), "privrele", 16, 4, "раздел"},
        {host.rpu->Tabs(), "privrelrpu", 48, 8, "источник"},
    };
    const QString owners[] = {QStringLiteral("Реле №1"), QStringLiteral("Реле №2"),
                              QStringLiteral("Выход ОК №1")};
    for (const Case& c : cases) {
        for (int o = 1; o <= 3; ++o) {
            // Only the current tab is laid out.
            c.tabs->setCurrentIndex(o - 1);
            QApplication::processEvents();
            auto box = [&](int n) {
                return c.tabs->findChild<QCheckBox*>(Compose(c.prefix, o, n));
            };
            for (int n = 1; n <= c.count; ++n) {
                QCheckBox* current = box(n);
                ASSERT_NE(current, nullptr);
                EXPECT_TRUE(current->text().isEmpty());
                EXPECT_EQ(current->accessibleName(),
                          QStringLiteral("%1, %2 %3")
                              .arg(owners[o - 1], QString::fromUtf8(c.word))
                              .arg(n));
                const bool startsColumn = (n - 1) % c.rows == 0;
                if (startsColumn && n > 1) {
                    EXPECT_GT(current->x(), box(n - c.rows)->x()) << n;
                    EXPECT_EQ(current->y(), box(n - c.rows)->y()) << n;
                } else if (!startsColumn) {
                    EXPECT_EQ(current->x(), box(n - 1)->x()) << n;
                    EXPECT_GT(current->y(), box(n - 1)->y()) << n;
                }
                QLabel* number = nullptr;
                for (QLabel* candidate : current->parentWidget()->findChildren<QLabel*>())
                    if (candidate->buddy() == current)
                        number = candidate;
                ASSERT_NE(number, nullptr) << n;
                EXPECT_EQ(number->text(), QString::number(n));
                EXPECT_LT(number->geometry().right(), current->geometry().left());
            }
        }
    }
}

// A translator that marks every caption of the settings pages.
class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) != QLatin1String("tunbox::SettingsPages"))
            return {};
        return QStringLiteral("EN ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

TEST(SettingsPageNames, CaptionsFollowTheLanguage) {
    Host host;
    host.rtr->Model().SetMode(2, 6);
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QApplication::processEvents();

    auto* alarm = host.rtr->findChild<QCheckBox*>(QStringLiteral("AlarmEvent2"));
    EXPECT_EQ(alarm->text(), QStringLiteral("EN Тревога/пожар (разделы)"));
    EXPECT_EQ(alarm->accessibleName(), alarm->text());
    EXPECT_EQ(host.rpu->findChild<QCheckBox*>(QStringLiteral("NoLinkRPU3"))->text(),
              QStringLiteral("EN Нет связи с ИИ"));
    EXPECT_EQ(host.rtr->findChild<QGroupBox*>(QStringLiteral("ReleWorkMode3"))->title(),
              QStringLiteral("EN Режим работы выхода ОК:"));
    EXPECT_EQ(host.rpu->findChild<QRadioButton*>(QStringLiteral("RadioButton14"))->text(),
              QStringLiteral("EN Звуковой"));
    EXPECT_EQ(host.rtr->Tabs()->tabText(2), QStringLiteral("EN Выход ОК №1"));
    EXPECT_EQ(host.rpu->findChild<QCheckBox*>(QStringLiteral("privrelrpu27"))->accessibleName(),
              QStringLiteral("EN Реле №2, EN источник 7"));
    auto* inversion = host.rtr->findChild<QComboBox*>(QStringLiteral("InvRele2"));
    EXPECT_EQ(inversion->itemText(1), QStringLiteral("EN Да"));
    // Time texts come from the catalogue, not from the translator.
    EXPECT_EQ(host.rtr->findChild<QComboBox*>(QStringLiteral("TimeRzmk2"))->itemText(255),
              QStringLiteral("пост."));

    QCoreApplication::removeTranslator(&translator);
    QApplication::processEvents();
    EXPECT_EQ(alarm->text(), QStringLiteral("Тревога/пожар (разделы)"));
    EXPECT_EQ(inversion->itemText(1), QStringLiteral("Да"));
}

} // namespace
} // namespace tunbox
