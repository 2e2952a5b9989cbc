#include "app/AvailableLanguages.h"
#include "app/LanguageLocale.h"
#include "app/LanguageState.h"

#include "AppTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

using test::ProgramFixture;

TEST(LanguageLocale, ExtensionsAndNativeTextOfALocale) {
    struct Case {
        const char* locale;
        QStringList extensions;
    };
    const Case cases[] = {
        {"en_US", {"ENU", "EN"}}, {"en_GB", {"ENG", "EN"}}, {"ru_RU", {"RUS", "RU"}},
        {"de_AT", {"DEA", "DE"}}, {"fr_CA", {"FRC", "FR"}}, {"zh_CN", {"CHS", "ZH"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtensionsOfLocale(QLocale(QString::fromLatin1(c.locale))), c.extensions)
            << c.locale;

    EXPECT_EQ(NativeLanguageText(QStringLiteral("RU")), QStringLiteral("Русский"));
    EXPECT_EQ(NativeLanguageText(QStringLiteral("RUS")), QStringLiteral("Русский (Россия)"));
    EXPECT_EQ(NativeLanguageText(QStringLiteral("DEU")), QStringLiteral("Deutsch (Deutschland)"));
    EXPECT_EQ(NativeLanguageText(QStringLiteral("EN")), QStringLiteral("English"));
    EXPECT_EQ(NativeLanguageText(QStringLiteral("ENU")),
              QStringLiteral("American English (United States)"));
    EXPECT_EQ(NativeLanguageText(QStringLiteral("XX")), QStringLiteral("XX"));
}

class AvailableLanguagesTest : public ProgramFixture {
  protected:
    void Install(const char* extension, Place place = Place::BesideProgram) {
        InstallModule(QStringLiteral("stops_at_10050"), QString::fromLatin1(extension), place);
    }
    static QStringList Texts(const LanguageChoice& choice) {
        QStringList texts;
        for (const LanguageItem& item : choice.items)
            texts.append(item.text);
        return texts;
    }
};

TEST_F(AvailableLanguagesTest, ModulesBesideTheProgramAreListedOnceEach) {
    Install("EN");
    Install("ENU");
    Install("DE");
    // Not language extensions, or of another program.
    WriteSettings("[Language]\nDefault=RU\n");
    test::WriteFile(paths_.WithExtension(QStringLiteral("en")), "lower case");
    test::WriteFile(paths_.WithExtension(QStringLiteral("XYZ")), "no language");
    test::WriteFile(QDir(paths_.Folder()).filePath(QStringLiteral("other.FR")), "other program");
    QDir(paths_.Folder()).mkdir(QStringLiteral("tunbox-rpu-klt.IT"));
    // Beside the program wins: the documents folder is not looked at.
    Install("PLK", Place::Documents);

    EXPECT_EQ(AvailableResourceExtensions(paths_),
              (QStringList{QStringLiteral("DE"), QStringLiteral("EN"), QStringLiteral("ENU")}));
    EXPECT_NO_THROW(CheckResourceCount());
}

TEST_F(AvailableLanguagesTest, TheDocumentsFolderServesWhenNoModuleIsBesideTheProgram) {
    Install("PLK", Place::Documents);
    EXPECT_EQ(AvailableResourceExtensions(paths_), QStringList{QStringLiteral("PLK")});
    EXPECT_NO_THROW(CheckResourceCount());
}

TEST_F(AvailableLanguagesTest, NoModuleAtAllIsAnError) {
    WriteSettings("[Language]\nDefault=RU\n");
    EXPECT_TRUE(AvailableResourceExtensions(paths_).isEmpty());
    try {
        CheckResourceCount();
        ADD_FAILURE() << "no error";
    } catch (const ResourceError& error) {
        EXPECT_STREQ(error.what(),
                     "In order to change language you must first create resource files.");
    }
}

TEST_F(AvailableLanguagesTest, TheDialogListsTheOwnLanguageAndEveryModuleSorted) {
    Install("EN");
    Install("DEU");
    // A module for the own language would never be used: it is not offered.
    Install("RU");
    const LanguageChoice choice = LanguageChoices(QStringLiteral("RU"));
    EXPECT_EQ(Texts(choice), (QStringList{QStringLiteral("Deutsch (Deutschland)"),
                                          QStringLiteral("English"), QStringLiteral("Русский")}));
    ASSERT_EQ(choice.items.size(), 3u);
    EXPECT_EQ(choice.items[0].extension, QStringLiteral("DEU"));
    EXPECT_EQ(choice.items[1].extension, QStringLiteral("EN"));
    EXPECT_EQ(choice.items[2].extension, QString());
}

TEST_F(AvailableLanguagesTest, TheActiveLanguageIsPreselectedElseTheOwnOne) {
    Install("EN");
    Install("DEU");
    EXPECT_EQ(LanguageChoices(QStringLiteral("RU")).selected, 2) << "own texts active";

    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("DEU"), {}, QStringLiteral("RU")));
    EXPECT_EQ(LanguageChoices(QStringLiteral("RU")).selected, 0);

    // The active module is no longer there to be listed.
    ASSERT_TRUE(QFile::remove(paths_.WithExtension(QStringLiteral("DEU"))));
    EXPECT_EQ(LanguageChoices(QStringLiteral("RU")).selected, 1) << "the own language";
}

} // namespace
} // namespace tunbox
