// The language change of "Select language" over the real window: the dialog,
// what is stored, the catalogue, and what every control shows afterwards.
#include "app/BuiltInMessages.h"
#include "app/LanguageState.h"
#include "app/MessageTable.h"
#include "support/ProgramInFolder.h"
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

const QByteArray kSettings = "; kept as it is\r\n[Language]\r\nDefault=RU\r\n\r\n[Help]\r\n"
                             "RU=tunbox-rpu-klt-ru.html\r\nEN=tunbox-rpu-klt-en.html\r\n";

// Where a control stands in the window, also for controls without a name.
QString PathOf(const QWidget* widget, const QWidget* root) {
    QStringList parts;
    for (const QWidget* w = widget; w && w != root; w = w->parentWidget()) {
        QString part = w->objectName();
        if (part.isEmpty()) {
            const QObjectList siblings = w->parent()->children();
            part = QStringLiteral("%1#%2")
                       .arg(QString::fromLatin1(w->metaObject()->className()))
                       .arg(siblings.indexOf(w));
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

// The scroll buttons Qt gives a tab bar: Qt names them once, when the bar is
// made, and enables them as the tabs' widths need.
bool TabScrollButton(const QWidget* widget) {
    return widget->objectName().startsWith(QLatin1String("Scroll")) &&
           qobject_cast<const QTabBar*>(widget->parentWidget());
}

// Every control's state: shown, enabled, checked, chosen items and pages.
QString StateOf(const QWidget* root) {
    QStringList lines;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (TabScrollButton(widget))
            continue;
        QString line = PathOf(widget, root) + QStringLiteral(" hidden=%1 enabled=%2")
                                                  .arg(widget->isHidden())
                                                  .arg(widget->isEnabled());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            line += QStringLiteral(" checked=%1").arg(button->isChecked());
        if (const auto* box = qobject_cast<const QComboBox*>(widget))
            line += QStringLiteral(" index=%1 count=%2").arg(box->currentIndex()).arg(box->count());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            line += QStringLiteral(" page=%1").arg(tabs->currentIndex());
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
            view && view->selectionModel()) {
            QStringList rows;
            for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
                rows.append(QString::number(index.row()));
            line += QStringLiteral(" selected=") + rows.join(QLatin1Char(','));
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            line += QStringLiteral(" edit=") + edit->text();
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

// Every text a control shows or speaks: captions, items, tooltips, titles.
QStringList TextsOf(const QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (TabScrollButton(widget))
            continue;
        const QString path = PathOf(widget, root) + QStringLiteral(": ");
        for (const QString& text : {widget->toolTip(), widget->accessibleName()})
            texts.append(path + text);
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.append(path + label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts.append(path + button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts.append(path + group->title());
        if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                texts.append(path + box->itemText(i));
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts.append(path + tabs->tabText(i));
        }
    }
    return texts;
}

QStringList WithCyrillic(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    QStringList found;
    for (const QString& text : texts) {
        if (text.contains(cyrillic))
            found.append(text);
    }
    return found;
}

class LanguageWorkflowTest : public ::testing::Test {
  protected:
    void SetUp() override { program.WriteSettings(kSettings); }

    // The user presses "Select language" and the dialog gets line as answer
    // (an empty line: the user cancels).
    void ChangeLanguage(const QString& line) {
        w.dialogs.QueueLanguageChoice(line);
        w.Click("btn_ChangeLang");
    }
    static QString English() { return QString::fromUtf16(EnglishLine); }
    static QString Russian() { return QString::fromUtf16(RussianLine); }

    SimulatedWindow w;
    ProgramInFolder program{w.programDir.path()};
};

TEST_F(LanguageWorkflowTest, TheDialogOffersTheOwnLanguageAndTheModulePreselectingTheActiveOne) {
    ChangeLanguage(QString());
    ASSERT_EQ(w.dialogs.LanguageDialogs().size(), 1u);
    const LanguageDialogRequest& first = w.dialogs.LanguageDialogs().back();
    EXPECT_EQ(first.items, (QStringList{English(), Russian()}));
    EXPECT_EQ(first.selected, 1);

    ChangeLanguage(English());
    ChangeLanguage(QString());
    ASSERT_EQ(w.dialogs.LanguageDialogs().size(), 3u);
    EXPECT_EQ(w.dialogs.LanguageDialogs().back().selected, 0);
}

TEST_F(LanguageWorkflowTest, ChoosingEnglishStoresItAndEveryLaterMessageIsEnglish) {
    ChangeLanguage(English());
    EXPECT_EQ(ActiveResourceExtension(), "EN");
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), "EN");
    EXPECT_EQ(program.Settings(), QByteArray(kSettings).replace("Default=RU", "Default=EN"));
    EXPECT_EQ(Msg(10001), "Error!");
    EXPECT_EQ(Msg(LastBuiltInMessageId).isEmpty(), false);
    EXPECT_TRUE(w.dialogs.Messages().empty()) << "no message on a language change";

    EXPECT_EQ(w.window->windowTitle(), "Setup program for the RPU Zoren-KL-T");
    EXPECT_EQ(w.window->Commands()->ConnectButton->toolTip(), "Connects to the unit");
    EXPECT_EQ(WithCyrillic(TextsOf(w.window.get())).join(QLatin1Char('\n')).toStdString(), "");

    // A message after the change, and a window made after it, are English too.
    w.Connect();
    EXPECT_EQ(w.window->StatusText(), "Connected to the unit");
    SimulatedWindow later;
    EXPECT_EQ(WithCyrillic(TextsOf(later.window.get())).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_F(LanguageWorkflowTest, ChoosingRussianStoresNoModuleAndReloadsTheOwnTexts) {
    ChangeLanguage(English());
    ChangeLanguage(Russian());
    EXPECT_EQ(ActiveResourceExtension(), QString());
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString());
    EXPECT_EQ(program.Settings(), kSettings);
    for (int id = FirstBuiltInMessageId; id <= LastBuiltInMessageId; ++id)
        ASSERT_EQ(Msg(id), BuiltInMessage(id)) << id;
    EXPECT_EQ(w.window->Commands()->ConnectButton->text(), "Установить");
}

TEST_F(LanguageWorkflowTest, TheLanguageListRunsTheSameDialogWhateverItemIsPicked) {
    QComboBox* languages = w.window->Bottom().LangCmB;
    w.dialogs.QueueLanguageChoice(English());
    languages->setCurrentIndex(2); // "Turkish"
    emit languages->activated(2);
    EXPECT_EQ(w.dialogs.LanguageDialogs().size(), 1u);
    EXPECT_EQ(ActiveResourceExtension(), "EN");
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), "EN");
}

// What a language change that does not happen must leave as it was.
struct Untouched {
    QByteArray settings;
    QString stored;
    QString active;
    QString message;
    QString caption;
};

Untouched Snapshot(const ProgramInFolder& program, const SimulatedWindow& w) {
    return {program.Settings(), GetCurrentDefaultLocaleReg(), ActiveResourceExtension(), Msg(10001),
            w.window->Commands()->ConnectButton->text()};
}

void ExpectUntouched(const Untouched& before, const Untouched& after) {
    EXPECT_EQ(after.settings, before.settings);
    EXPECT_EQ(after.stored, before.stored);
    EXPECT_EQ(after.active, before.active);
    EXPECT_EQ(after.message, before.message);
    EXPECT_EQ(after.caption, before.caption);
}

TEST_F(LanguageWorkflowTest, WithoutAnyModuleTheErrorIsShownAndNothingChanges) {
    ASSERT_TRUE(QFile::remove(program.paths.WithExtension(QStringLiteral("EN"))));
    const Untouched before = Snapshot(program, w);
    w.Click("btn_ChangeLang");
    EXPECT_TRUE(w.dialogs.LanguageDialogs().empty());
    ASSERT_EQ(w.dialogs.Messages().size(), 1u);
    const ShownMessage& box = w.dialogs.Messages().front();
    EXPECT_EQ(box.caption, "Tunbox-RPU-KLT");
    EXPECT_EQ(box.text, "In order to change language you must first create resource files.");
    EXPECT_EQ(box.icon, MessageIcon::Error);
    ExpectUntouched(before, Snapshot(program, w));
}

TEST_F(LanguageWorkflowTest, ACancelledDialogChangesNothing) {
    ChangeLanguage(English());
    const Untouched before = Snapshot(program, w);
    ChangeLanguage(QString());
    ExpectUntouched(before, Snapshot(program, w));
    EXPECT_TRUE(w.dialogs.Messages().empty());
}

TEST_F(LanguageWorkflowTest, AModuleThatDoesNotLoadKeepsThePreviousLanguage) {
    QFile broken(program.paths.WithExtension(QStringLiteral("DEU")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a language module");
    broken.close();
    ChangeLanguage(English());
    const Untouched before = Snapshot(program, w);
    ChangeLanguage(QStringLiteral("Deutsch (Deutschland)"));
    ExpectUntouched(before, Snapshot(program, w));
    EXPECT_EQ(QLocale().decimalPoint(), ".");
}

// Connected, both settings pages read from the unit and changed by the user:
// a switch to English and back changes texts only.
TEST_F(LanguageWorkflowTest, ASwitchToEnglishAndBackKeepsEveryControlsState) {
    w.Connect();
    w.Click("RTR_rb");
    w.ChoosePage(w.window->ReleSettingsTabSh);
    ReleSettingsPage* rele = w.window->ReleSettingsTabSh;
    rele->Tabs()->setCurrentIndex(1);
    const OutputControls& relay2 = rele->Output(2);
    QComboBox* openTime = relay2.Lists()[0];
    ASSERT_TRUE(openTime->isEnabled());
    openTime->setCurrentIndex(3);
    emit openTime->activated(3);
    const QString status = w.window->StatusText();
    ASSERT_FALSE(status.isEmpty());

    const QString state = StateOf(w.window.get());
    const QStringList texts = TextsOf(w.window.get());
    // The language list is the way in while a unit is connected.
    QComboBox* languages = w.window->Bottom().LangCmB;
    EXPECT_FALSE(w.window->Bottom().btn_ChangeLang->isEnabled());

    w.dialogs.QueueLanguageChoice(English());
    emit languages->activated(1);
    EXPECT_EQ(ActiveResourceExtension(), "EN");
    EXPECT_EQ(StateOf(w.window.get()).toStdString(), state.toStdString());
    EXPECT_EQ(WithCyrillic(TextsOf(w.window.get())).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(openTime->currentText(), "1.5 s") << "time lists with the English decimal point";
    EXPECT_EQ(w.window->MainTabSh->DevTypeLabel2->text(), "Radio receiver unit (RPU/RTR)");
    EXPECT_NE(w.window->StatusText(), status);
    EXPECT_TRUE(WithCyrillic({w.window->StatusText()}).isEmpty())
        << w.window->StatusText().toStdString();

    w.dialogs.QueueLanguageChoice(Russian());
    emit languages->activated(0);
    EXPECT_EQ(StateOf(w.window.get()).toStdString(), state.toStdString());
    EXPECT_EQ(TextsOf(w.window.get()).join(QLatin1Char('\n')).toStdString(),
              texts.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(openTime->currentText(), "1,5 с.");
    EXPECT_EQ(w.window->StatusText(), status);
}

} // namespace
} // namespace tunbox
