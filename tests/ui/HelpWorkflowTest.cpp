// "Help  " and the maker's links of the welcome area, through the dialogs seam.
#include "app/LanguageState.h"
#include "app/MessageTable.h"
#include "support/ProgramInFolder.h"
#include "support/SimulatedWindow.h"
#include "ui/CommandColumn.h"
#include "ui/MakerContacts.h"
#include "ui/WelcomeArea.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

class HelpWorkflowTest : public ::testing::Test {
  protected:
    QString HelpPath(const QString& name) const {
        return QDir(w.programDir.path()).filePath(QStringLiteral("help/")) + name;
    }

    SimulatedWindow w;
    ProgramInFolder program{w.programDir.path()};
};

TEST_F(HelpWorkflowTest, HelpOpensTheDocumentOfTheStoredLanguage) {
    struct Case {
        const char* name;
        const char* stored; // the language start-up recorded
        QByteArray settings;
        bool present;       // the help folder and its documents are there
        bool opens;         // what the desktop answers
        const char* opened; // file name in the help folder
        const char* box;    // nullptr: no box
    };
    const QByteArray both = "[Help]\nRU=guide-ru.html\nEN=guide-en.html\n";
    const Case cases[] = {
        {"Russian", "RU", both, true, true, "guide-ru.html", nullptr},
        {"English", "EN", both, true, true, "guide-en.html", nullptr},
        {"nothing stored is Russian", "", both, true, true, "guide-ru.html", nullptr},
        {"the desktop cannot open it", "RU", both, true, false, "guide-ru.html",
         "Ошибка открытия файла помощи guide-ru.html"},
        {"the document is missing", "RU", both, false, true, "guide-ru.html",
         "Ошибка открытия файла помощи guide-ru.html"},
        {"no key: the help folder", "EN", "[Help]\nRU=guide-ru.html\n", true, true, "", nullptr},
        {"no key and no folder", "EN", "[Help]\nRU=guide-ru.html\n", false, true, "",
         "Ошибка открытия файла помощи "},
        {"no settings file", "RU", QByteArray(), true, true, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs& dialogs = w.dialogs;
        const std::size_t urlsBefore = dialogs.OpenedUrls().size();
        const std::size_t boxesBefore = dialogs.Messages().size();
        QFile::remove(program.paths.SettingsFile());
        if (!c.settings.isEmpty())
            program.WriteSettings(c.settings);
        QDir(HelpPath(QString())).removeRecursively();
        if (c.present) {
            ASSERT_TRUE(QDir().mkpath(HelpPath(QString())));
            for (const char* document : {"guide-ru.html", "guide-en.html"}) {
                QFile file(HelpPath(QString::fromLatin1(document)));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
        }
        SetDefaultLocaleReg(program.paths.executable, QString::fromLatin1(c.stored));
        dialogs.SetOpenUrlResult(c.opens);

        w.Click("Help");
        // A document that is not there is not handed to the desktop.
        ASSERT_EQ(dialogs.OpenedUrls().size(), urlsBefore + (c.present ? 1 : 0));
        if (c.present) {
            const QUrl url = dialogs.OpenedUrls().back();
            EXPECT_TRUE(url.isLocalFile());
            EXPECT_EQ(url.toLocalFile(), HelpPath(QString::fromLatin1(c.opened)));
        }
        if (!c.box) {
            EXPECT_EQ(dialogs.Messages().size(), boxesBefore);
            continue;
        }
        ASSERT_EQ(dialogs.Messages().size(), boxesBefore + 1);
        const ShownMessage& box = dialogs.Messages().back();
        EXPECT_EQ(box.caption, "Ошибка!");
        EXPECT_EQ(box.text, QString::fromUtf8(c.box));
        EXPECT_EQ(box.icon, MessageIcon::Error);
    }
}

TEST_F(HelpWorkflowTest, TheLinksOpenTheWebPageAndANewMailWithTheProgramsName) {
    WelcomeArea* welcome = w.window->Welcome();
    w.dialogs.SetOpenUrlResult(false); // nothing is reported either way
    QTest::mouseClick(welcome->Label_webaddr, Qt::LeftButton);
    QTest::mouseClick(welcome->Label_emailaddr, Qt::LeftButton);
    // Another button, or a release outside the label, is no click.
    QTest::mouseClick(welcome->Label_webaddr, Qt::RightButton);

    const QString running =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    ASSERT_EQ(w.dialogs.OpenedUrls().size(), 2u);
    EXPECT_EQ(w.dialogs.OpenedUrls()[0], QUrl(QStringLiteral("http://www.zoren.example")));
    const QUrl mail = w.dialogs.OpenedUrls()[1];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), QString::fromLatin1(MakerEmailAddress));
    EXPECT_EQ(mail.query(), QStringLiteral("subject=") + running);
    EXPECT_TRUE(w.dialogs.Messages().empty());

    for (QLabel* link : {welcome->Label_webaddr, welcome->Label_emailaddr})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor)
            << link->objectName().toStdString();
}

} // namespace
} // namespace tunbox
