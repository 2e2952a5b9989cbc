#include "ScreenshotStates.h"
#include "support/ProgramInFolder.h"
#include "support/SimulatedWindow.h"

#include "app/LanguageState.h"
#include "app/MessageTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

// The visible controls of root whose caption does not show whole.
QStringList CutTexts(const QWidget* root) {
    QStringList cut;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        bool fits = true;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (qobject_cast<const QAbstractButton*>(widget) ||
                   qobject_cast<const QComboBox*>(widget)) {
            fits = widget->sizeHint().width() <= widget->width();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            fits = group->minimumSizeHint().width() <= group->width();
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i) && !tabs->rect().contains(tabs->tabRect(i)))
                    fits = false;
            }
        }
        if (!fits)
            cut.append(widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                      : widget->objectName());
    }
    return cut;
}

// The state in w, its file dialogs answered as the tool answers them.
void Prepare(SimulatedWindow& w, const ScreenshotState& state) {
    for (const QString& file : state.chosenFiles)
        w.dialogs.QueueFileName(QDir(w.programDir.path()).filePath(file));
    state.prepare(*w.window);
}

TEST(ScreenshotStates, EveryStateShowsEveryTextWhole) {
    const std::vector<ScreenshotState> states = ScreenshotStates();
    ASSERT_FALSE(states.empty());
    for (const ScreenshotState& state : states) {
        SCOPED_TRACE(state.name.toStdString());
        SimulatedWindow w;
        Prepare(w, state);
        // Layouts settle on the events a text change posts, as before a picture.
        QApplication::processEvents();
        EXPECT_EQ(CutTexts(w.window.get()).join(QStringLiteral(", ")).toStdString(), "");
    }
}

// The English texts are longer than the Russian ones in places: every state
// shows them whole too.
TEST(ScreenshotStates, EveryStateShowsEveryTextWholeInEnglish) {
    QTemporaryDir folder;
    ProgramInFolder program(folder.path());
    program.Activate(QStringLiteral("EN"));
    ASSERT_EQ(ActiveResourceExtension(), "EN");
    ASSERT_EQ(Msg(10001), "Error!");
    for (const ScreenshotState& state : ScreenshotStates()) {
        SCOPED_TRACE(state.name.toStdString());
        SimulatedWindow w;
        Prepare(w, state);
        QApplication::processEvents();
        EXPECT_EQ(CutTexts(w.window.get()).join(QStringLiteral(", ")).toStdString(), "");
    }
}

TEST(ScreenshotStates, ThePageStatesShowTheirPageWithItsTab) {
    const std::pair<const char*, const char*> pages[] = {
        {"02-page-main", "MainTabSh"},
        {"03-page-backup", "RegistBackupTabSh"},
        {"04-page-rele-settings", "ReleSettingsTabSh"},
        {"05-page-rpu-settings", "ReleSettingsTabRPU"},
    };
    const std::vector<ScreenshotState> states = ScreenshotStates();
    for (const auto& [stateName, pageName] : pages) {
        SCOPED_TRACE(stateName);
        const auto state =
            std::find_if(states.begin(), states.end(),
                         [&](const ScreenshotState& s) { return s.name == stateName; });
        ASSERT_NE(state, states.end());
        SimulatedWindow w;
        Prepare(w, *state);
        auto* page = w.Find(pageName);
        EXPECT_TRUE(page->isVisible());
        const auto* tabs = w.window->findChild<QTabBar*>();
        EXPECT_TRUE(tabs->isTabVisible(tabs->currentIndex()));
    }
}

} // namespace
} // namespace tunbox
