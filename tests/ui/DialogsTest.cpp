#include "support/RecordingDialogs.h"
#include "ui/QtDialogs.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace tunbox {
namespace {

struct FilterCase {
    const char* pairs;
    int index;
    QStringList filters;
    const char* selected;
};

TEST(QtFileFilter, ConvertsPairsToQtEntriesAndPicksTheIndexedOne) {
    const FilterCase cases[] = {
        {"Файлы регистрации (*.rrg)|*.rrg",
         1,
         {"Файлы регистрации (*.rrg)"},
         "Файлы регистрации (*.rrg)"},
        {"Файлы конфигурации (*.cfg)|*.cfg|Все файлы|*.*",
         2,
         {"Файлы конфигурации (*.cfg)", "Все файлы (*.*)"},
         "Все файлы (*.*)"},
        {"Образы|*.bin;*.hex", 1, {"Образы (*.bin *.hex)"}, "Образы (*.bin *.hex)"},
        // an index outside the list falls back to the first entry
        {"A (*.a)|*.a|B (*.b)|*.b", 5, {"A (*.a)", "B (*.b)"}, "A (*.a)"},
        {"A (*.a)|*.a", 0, {"A (*.a)"}, "A (*.a)"},
        // a description without its pattern is dropped; nothing is left to select
        {"", 1, {}, ""},
        {"Lonely", 1, {}, ""},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.pairs);
        const QtFileFilter filter = ToQtFileFilter(QString::fromUtf8(c.pairs), c.index);
        EXPECT_EQ(filter.filters, c.filters);
        EXPECT_EQ(filter.selected, QString::fromUtf8(c.selected));
    }
}

TEST(QtDialogs, MessageBoxesCarryTheirIconAndButtonsInTheProgramsLanguage) {
    const std::tuple<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::Error, QMessageBox::Critical},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Question, QMessageBox::Question},
        {MessageIcon::Information, QMessageBox::Information},
    };
    for (const auto& [icon, shown] : icons) {
        const auto box =
            MakeMessageBox(nullptr, "Системное сообщение", "Текст", icon, MessageButtons::Ok);
        EXPECT_EQ(box->icon(), shown);
        EXPECT_EQ(box->windowTitle(), "Системное сообщение");
        EXPECT_EQ(box->text(), "Текст");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    }
    const auto question =
        MakeMessageBox(nullptr, "Системное сообщение", "Вы действительно хотите выйти?",
                       MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->button(QMessageBox::Yes)->text(), "Да");
    EXPECT_EQ(question->button(QMessageBox::No)->text(), "Нет");
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::Yes));
}

TEST(QtDialogs, HourglassSwitchesAreBalancedWhateverTheirOrder) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        QtDialogs dialogs;
        dialogs.SetHourglass(false);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        dialogs.SetHourglass(true);
        dialogs.SetHourglass(true);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        dialogs.SetHourglass(false);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        // Left on, it is switched off with the dialogs.
        dialogs.SetHourglass(true);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(RecordingDialogs, RecordsBoxesAndAnswersQuestionsFromTheScript) {
    RecordingDialogs dialogs;
    dialogs.QueueAnswer(MessageAnswer::Yes);
    dialogs.QueueAnswer(MessageAnswer::No);

    EXPECT_EQ(dialogs.ShowMessage("Ошибка!", "a", MessageIcon::Error, MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(dialogs.ShowMessage("q", "b", MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(dialogs.ShowMessage("q", "c", MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);

    ASSERT_EQ(dialogs.Messages().size(), 3u);
    EXPECT_EQ(dialogs.Messages()[0].caption, "Ошибка!");
    EXPECT_EQ(dialogs.Messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.Messages()[2].text, "c");
}

TEST(RecordingDialogs, FileDialogsReturnScriptedPathsAndRecordTheRequest) {
    RecordingDialogs dialogs;
    dialogs.QueueFileName("/tmp/a.cfg");
    dialogs.QueueFileName({});
    FileDialogRequest request;
    request.title = "Открытие файла настроек реле";
    request.initialFolder = "/opt/tunbox/conf";

    EXPECT_EQ(dialogs.GetOpenFileName(request), "/tmp/a.cfg");
    EXPECT_TRUE(dialogs.GetSaveFileName(request).isEmpty());

    ASSERT_EQ(dialogs.FileDialogs().size(), 2u);
    EXPECT_FALSE(dialogs.FileDialogs()[0].save);
    EXPECT_TRUE(dialogs.FileDialogs()[1].save);
    EXPECT_EQ(dialogs.FileDialogs()[1].request.initialFolder, "/opt/tunbox/conf");

    dialogs.SetHourglass(true);
    EXPECT_TRUE(dialogs.HourglassOn());
    dialogs.SetHourglass(false);
    EXPECT_FALSE(dialogs.HourglassOn());
    dialogs.SetOpenUrlResult(false);
    EXPECT_FALSE(dialogs.OpenUrl(QUrl("http://www.zoren.example")));
    EXPECT_EQ(dialogs.OpenedUrls().size(), 1u);
}

TEST(RecordingDialogs, AQuestionWithoutAScriptedAnswerFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingDialogs dialogs;
            EXPECT_EQ(dialogs.ShowMessage("q", "unexpected", MessageIcon::Question,
                                          MessageButtons::YesNo),
                      MessageAnswer::No);
        },
        "question with no scripted answer");
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingDialogs dialogs;
            EXPECT_TRUE(dialogs.GetOpenFileName({}).isEmpty());
        },
        "file dialog with no scripted file name");
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingDialogs dialogs;
            dialogs.QueueAnswer(MessageAnswer::Yes);
        },
        "never asked for");
}

} // namespace
} // namespace tunbox
