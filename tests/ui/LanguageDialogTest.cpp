#include "ui/LanguageDialog.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QTimer>

#include <QTest>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

LanguageDialogRequest ThreeLanguages(int selected) {
    return {{QStringLiteral("American English (United States)"),
             QStringLiteral("Deutsch (Deutschland)"), QStringLiteral("Русский (Россия)")},
            selected};
}

TEST(LanguageDialog, ShowsTheLinesWithThePreselectedOne) {
    LanguageDialog dialog(ThreeLanguages(2));
    dialog.show();
    EXPECT_EQ(dialog.objectName(), "LaLanguageDialog");
    EXPECT_EQ(dialog.windowTitle(), "Select language");
    EXPECT_EQ(dialog.OkButton->text(), "OK");
    EXPECT_TRUE(dialog.OkButton->isDefault());
    EXPECT_EQ(dialog.CancelButton->text(), "Отмена");
    ASSERT_EQ(dialog.List->count(), 3);
    EXPECT_EQ(dialog.List->item(2)->text(), "Русский (Россия)");
    EXPECT_EQ(dialog.List->currentRow(), 2);
    // Every line shows whole, and the dialog keeps its size.
    for (int row = 0; row < dialog.List->count(); ++row)
        EXPECT_TRUE(dialog.List->viewport()->rect().contains(
            dialog.List->visualItemRect(dialog.List->item(row))))
            << row;
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

    // A preselection outside the list selects the first line.
    LanguageDialog outside(ThreeLanguages(7));
    EXPECT_EQ(outside.List->currentRow(), 0);
}

TEST(LanguageDialog, OkConfirmsTheLineChosenAndCancelConfirmsNone) {
    LanguageDialog confirmed(ThreeLanguages(2));
    confirmed.show();
    confirmed.List->setCurrentRow(1);
    QTest::mouseClick(confirmed.OkButton, Qt::LeftButton);
    EXPECT_EQ(confirmed.result(), QDialog::Accepted);
    EXPECT_EQ(confirmed.ChosenIndex(), 1);

    LanguageDialog cancelled(ThreeLanguages(2));
    cancelled.show();
    cancelled.List->setCurrentRow(0);
    QTest::mouseClick(cancelled.CancelButton, Qt::LeftButton);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.ChosenIndex(), -1);
}

TEST(LanguageDialog, ADoubleClickConfirmsTheLine) {
    LanguageDialog dialog(ThreeLanguages(2));
    dialog.show();
    QListWidget* list = dialog.List;
    const QPoint line = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenIndex(), 0);
}

// The desktop's dialogs run the real dialog modally and hand back the line confirmed.
TEST(LanguageDialog, TheDesktopsDialogsAnswerWithTheConfirmedLine) {
    QWidget owner;
    owner.show();
    QtDialogs dialogs(&owner);
    const auto answer = [&owner](bool confirm) {
        QTimer::singleShot(0, [&owner, confirm] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<LanguageDialog*>(modal);
            if (!dialog) {
                ADD_FAILURE() << "no language dialog";
                if (modal)
                    modal->close(); // the test goes on instead of waiting forever
                return;
            }
            EXPECT_EQ(dialog->parentWidget(), &owner) << "centred on the window";
            dialog->List->setCurrentRow(0);
            (confirm ? dialog->OkButton : dialog->CancelButton)->click();
        });
    };
    answer(true);
    EXPECT_EQ(dialogs.ChooseLanguage(ThreeLanguages(2)), std::optional<int>(0));
    answer(false);
    EXPECT_EQ(dialogs.ChooseLanguage(ThreeLanguages(2)), std::nullopt);
}

} // namespace
} // namespace tunbox
