#include "app/LanguageState.h"
#include "app/LanguageLocale.h"
#include "app/LanguageModule.h"

#include "AppTestSupport.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>

#include <gtest/gtest.h>

#include <vector>

namespace tunbox {
namespace {

using test::ProgramFixture;

const char* const kProbeContext = "ProbeWidget";
const char16_t* const kProbeSource = u"Привет";

QString ProbeText() {
    return QCoreApplication::translate(kProbeContext,
                                       QString::fromUtf16(kProbeSource).toUtf8().constData());
}

// A window that takes its text from the active language and retranslates on
// LanguageChange, as the program's windows do.
class ProbeWidget : public QLabel {
  public:
    ProbeWidget() { setText(ProbeText()); }
    int languageChanges = 0;

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            ++languageChanges;
            setText(ProbeText());
        }
        QLabel::changeEvent(event);
    }
};

TEST(LanguageLocale, LocaleOfAnExtension) {
    struct Case {
        const char* extension;
        const char* locale; // nullptr: none
    };
    const Case cases[] = {
        {"RU", "ru_RU"},  {"EN", "en_US"},  {"en", "en_US"},  {"ENU", "en_US"},  {"ENG", "en_GB"},
        {"RUS", "ru_RU"}, {"DEU", "de_DE"}, {"UKR", "uk_UA"}, {"JPN", "ja_JP"},  {"DE", "de_DE"},
        {"XX", nullptr},  {"", nullptr},    {"E", nullptr},   {"ENGL", nullptr}, {"1A", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<QLocale> locale = LocaleForExtension(QString::fromUtf8(c.extension));
        if (!c.locale) {
            EXPECT_FALSE(locale.has_value()) << c.extension;
            continue;
        }
        ASSERT_TRUE(locale.has_value()) << c.extension;
        EXPECT_EQ(locale->name(), QString::fromUtf8(c.locale)) << c.extension;
    }
}

class LanguageStateTest : public ProgramFixture {};

TEST_F(LanguageStateTest, StoredChoiceIsKeptPerProgramPath) {
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString());

    const QString other = dir_.filePath(QStringLiteral("other/tunbox-rpu-klt"));
    ASSERT_TRUE(SetDefaultLocaleReg(other, QStringLiteral("DE")));
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString());

    ASSERT_TRUE(SetDefaultLocaleReg(paths_.executable, QStringLiteral("EN")));
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QStringLiteral("EN"));
    ASSERT_TRUE(SetDefaultLocaleReg(paths_.executable, QString()));
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString());

    ProgramPaths otherProgram = paths_;
    otherProgram.executable = other;
    SetProgramPaths(otherProgram);
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QStringLiteral("DE"));
}

TEST_F(LanguageStateTest, CurrentChoiceIsTheActiveExtension) {
    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("EN"));
    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("ENU"), {}, QStringLiteral("RU")));
    ASSERT_TRUE(SetCurrentDefaultLocaleReg());
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QStringLiteral("EN"));

    ASSERT_TRUE(SetNewResourceFile(QString(), {}, QStringLiteral("RU")));
    ASSERT_TRUE(SetCurrentDefaultLocaleReg());
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString());
}

// Where a module is looked for: beside the program, then in the documents
// subfolder; a three-letter extension then tries both places without its last letter.
TEST_F(LanguageStateTest, ModuleLookup) {
    using Place = ProgramFixture::Place;
    struct Installed {
        const char* extension;
        Place place;
    };
    struct Case {
        const char* name;
        std::vector<Installed> installed;
        const char* requested;
        const char* found; // nullptr: no module loads
        Place foundIn = Place::BesideProgram;
    };
    const Case cases[] = {
        {"beside the program", {{"EN", Place::BesideProgram}}, "EN", "EN"},
        {"in the documents folder", {{"EN", Place::Documents}}, "EN", "EN", Place::Documents},
        {"beside wins over documents",
         {{"EN", Place::BesideProgram}, {"EN", Place::Documents}},
         "EN",
         "EN"},
        {"three letters, two-letter module", {{"EN", Place::BesideProgram}}, "ENU", "EN"},
        {"three letters, two-letter module in documents",
         {{"EN", Place::Documents}},
         "ENU",
         "EN",
         Place::Documents},
        {"full extension in documents before the shorter one beside",
         {{"EN", Place::BesideProgram}, {"ENU", Place::Documents}},
         "ENU",
         "ENU",
         Place::Documents},
        {"two letters never lengthen", {{"ENU", Place::BesideProgram}}, "EN", nullptr},
        {"four letters never shorten", {{"ENG", Place::BesideProgram}}, "ENGL", nullptr},
        {"file names are case-sensitive", {{"EN", Place::BesideProgram}}, "en", nullptr},
        {"nothing installed", {}, "EN", nullptr},
        {"no folder names", {{"EN", Place::BesideProgram}}, "EN/../EN", nullptr},
    };
    for (const Case& c : cases) {
        QDir(paths_.Folder()).removeRecursively();
        QDir(paths_.documentsFolder).removeRecursively();
        QDir().mkpath(paths_.Folder());
        for (const Installed& module : c.installed)
            InstallModule(QStringLiteral("stops_at_10050"), QString::fromUtf8(module.extension),
                          module.place);

        const auto module =
            LanguageModule::LoadForExtension(paths_, QString::fromUtf8(c.requested));
        if (!c.found) {
            EXPECT_EQ(module, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(module, nullptr) << c.name;
        EXPECT_EQ(module->Extension(), QString::fromUtf8(c.found)) << c.name;
        const QString folder =
            c.foundIn == Place::BesideProgram ? paths_.Folder() : paths_.documentsFolder;
        EXPECT_EQ(QFileInfo(module->FilePath()).absolutePath(), folder) << c.name;
        EXPECT_EQ(module->Message(10001), QStringLiteral("Message 10001")) << c.name;
    }
}

TEST_F(LanguageStateTest, SwitchingTranslatesOpenWindowsAndFollowsTheLocale) {
    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("ENG"));
    ProbeWidget window;
    window.show();
    EXPECT_EQ(window.text(), QString::fromUtf16(kProbeSource));

    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("ENG"), {}, QStringLiteral("RU")));
    QCoreApplication::processEvents();
    EXPECT_EQ(ActiveResourceExtension(), QStringLiteral("ENG"));
    EXPECT_GE(window.languageChanges, 1);
    EXPECT_EQ(window.text(), QStringLiteral("Hello"));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat),
              QStringLiteral("05/03/2024"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    // Back to the program's own texts: the default locale is that of "RU".
    ASSERT_TRUE(SetNewResourceFile(QString(), {}, QStringLiteral("RU")));
    QCoreApplication::processEvents();
    EXPECT_EQ(ActiveResourceExtension(), QString());
    EXPECT_EQ(window.text(), QString::fromUtf16(kProbeSource));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat),
              QStringLiteral("05.03.2024"));
}

TEST_F(LanguageStateTest, ModuleThatDoesNotLoadKeepsThePreviousState) {
    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("EN"));
    test::WriteFile(paths_.WithExtension(QStringLiteral("DE")), "not a language module");
    test::WriteFile(paths_.WithExtension(QStringLiteral("FR")), QByteArray());
    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("EN"), {}, QStringLiteral("RU")));
    const QString localeBefore = QLocale().name();

    for (const char* extension : {"DE", "FR", "IT", "RU"}) {
        EXPECT_FALSE(SetNewResourceFile(QString::fromUtf8(extension), {}, QStringLiteral("RU")))
            << extension;
        EXPECT_EQ(ActiveResourceExtension(), QStringLiteral("EN")) << extension;
        EXPECT_EQ(ProbeText(), QStringLiteral("Hello")) << extension;
        EXPECT_EQ(QLocale().name(), localeBefore) << extension;
    }
}

// Replacing one module by another leaves only the new one installed.
TEST_F(LanguageStateTest, ANewModuleReplacesThePreviousOne) {
    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("EN"));
    InstallModule(QStringLiteral("long_texts"), QStringLiteral("DE"));
    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("EN"), {}, QStringLiteral("RU")));
    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("DE"), {}, QStringLiteral("RU")));
    EXPECT_EQ(ActiveResourceExtension(), QStringLiteral("DE"));
    // The long-texts module has no window texts: the probe falls back to its source.
    EXPECT_EQ(ProbeText(), QString::fromUtf16(kProbeSource));
    EXPECT_EQ(QLocale().language(), QLocale::German);
}

// Qt's own texts (file dialogs, standard buttons) follow the language from the
// Qt translations installed with Qt, the program's own Russian included.
TEST_F(LanguageStateTest, QtsOwnTextsFollowTheLanguage) {
    const QString qtRussian =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFileInfo::exists(qtRussian))
        GTEST_SKIP() << "Qt's translations are not installed: " << qtRussian.toStdString();
    const auto open = [] { return QCoreApplication::translate("QFileDialog", "&Open"); };

    ASSERT_TRUE(SetNewResourceFile(QString(), {}, QStringLiteral("RU")));
    EXPECT_EQ(open(), QStringLiteral("&Открыть"));

    InstallModule(QStringLiteral("stops_at_10050"), QStringLiteral("EN"));
    ASSERT_TRUE(SetNewResourceFile(QStringLiteral("EN"), {}, QStringLiteral("RU")));
    EXPECT_EQ(open(), QStringLiteral("&Open"));

    ASSERT_TRUE(SetNewResourceFile(QString(), {}, QStringLiteral("RU")));
    EXPECT_EQ(open(), QStringLiteral("&Открыть"));
}

} // namespace
} // namespace tunbox
