#include "TranslationCheck.h"
#include "TsFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(Placeholders, AreFoundInOrder) {
    struct Case {
        const char* text;
        QStringList placeholders;
    };
    const Case cases[] = {
        {"Запись ПО в прибор...%d %%", {"%d", "%%"}},
        {"%d мин. %d с.", {"%d", "%d"}},
        {"%.1f с.", {"%.1f"}},
        {"Ошибка открытия файла помощи %s", {"%s"}},
        {"Реле №%1", {"%1"}},
        {"100% sure", {}},
        {"no placeholders", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Placeholders(QString::fromUtf8(c.text)), c.placeholders) << c.text;
}

// A table of three own texts and their translation source.
QString Own(int id) {
    switch (id) {
    case 1:
        return QStringLiteral("Ошибка!");
    case 2:
        return QStringLiteral("Запись...%d %%");
    case 3:
        return QStringLiteral("%.1f с.");
    }
    return {};
}

TsMessage Entry(int id, const QString& translation, const QString& type = {}) {
    return {QString::fromLatin1(CatalogueContext), QString::number(id), Own(id), translation, type};
}

TEST(CatalogueProblems, NamesEachMessageThatIsNotReady) {
    TsFile complete{QStringLiteral("en_US"),
                    {Entry(1, QStringLiteral("Error!")),
                     Entry(2, QStringLiteral("Writing...%d %%")),
                     Entry(3, QStringLiteral("%.1f s"))}};
    EXPECT_TRUE(CatalogueProblems(complete, Own, 1, 3).isEmpty());

    struct Case {
        const char* name;
        std::function<void(TsFile&)> spoil;
        const char* problem;
    };
    const Case cases[] = {
        {"missing", [](TsFile& f) { f.messages.erase(f.messages.begin() + 1); },
         "message 2 (\"Запись...%d %%\") is not in the translation"},
        {"unfinished", [](TsFile& f) { f.messages[0].type = QStringLiteral("unfinished"); },
         "message 1 (\"Ошибка!\") has no finished translation"},
        {"vanished", [](TsFile& f) { f.messages[0].type = QStringLiteral("vanished"); },
         "message 1 (\"Ошибка!\") is not in the translation"},
        {"empty", [](TsFile& f) { f.messages[0].translation.clear(); },
         "message 1 (\"Ошибка!\") has no finished translation"},
        {"own text changed", [](TsFile& f) { f.messages[0].note = QStringLiteral("Ошибка"); },
         "message 1 (\"Ошибка!\") changed since it was translated from \"Ошибка\""},
        {"placeholder lost",
         [](TsFile& f) { f.messages[1].translation = QStringLiteral("Writing...%d"); },
         "message 2 (\"Запись...%d %%\") has other placeholders in \"Writing...%d\""},
        {"placeholder changed",
         [](TsFile& f) { f.messages[2].translation = QStringLiteral("%d s"); },
         "message 3 (\"%.1f с.\") has other placeholders in \"%d s\""},
        {"too long", [](TsFile& f) { f.messages[0].translation = QString(255, QLatin1Char('x')); },
         "message 1 (\"Ошибка!\") is longer than 254 characters in translation"},
    };
    for (const Case& c : cases) {
        TsFile spoilt = complete;
        c.spoil(spoilt);
        EXPECT_EQ(CatalogueProblems(spoilt, Own, 1, 3), QStringList{QString::fromUtf8(c.problem)})
            << c.name;
    }
}

TEST(WindowTextProblems, NamesEachTextFoundWithoutAFinishedTranslation) {
    const auto text = [](const char* source, const char* translation, const char* type = "") {
        return TsMessage{QStringLiteral("tunbox::Page"),
                         QString::fromUtf8(source),
                         {},
                         QString::fromUtf8(translation),
                         QString::fromUtf8(type)};
    };
    const TsFile found{{},
                       {text("Главная", ""), text("Реле №%1", ""), text("Да", ""), text("Нет", ""),
                        text("Старый", "", "vanished")}};
    const TsFile committed{QStringLiteral("en_US"),
                           {text("Главная", "Main"), text("Реле №%1", "Relay"),
                            text("Да", "Yes", "unfinished"), text("Старый", "Old")}};
    EXPECT_EQ(WindowTextProblems(committed, found),
              (QStringList{"tunbox::Page: \"Реле №%1\" has other placeholders in \"Relay\"",
                           "tunbox::Page: \"Да\" has no finished translation",
                           "tunbox::Page: \"Нет\" is not in the translation"}));
}

TEST(UpdatedCatalogue, KeepsTranslationsAndMarksWhatNeedsATranslator) {
    TsMessage changed = Entry(1, QStringLiteral("Fault!"));
    changed.note = QStringLiteral("Сбой!");
    const TsFile existing{
        QStringLiteral("en_US"),
        {Entry(3, QStringLiteral("%.1f s")), changed, Entry(9, QStringLiteral("Gone"))}};
    const TsFile updated = UpdatedCatalogue(existing, Own, 1, 3);
    EXPECT_EQ(updated.language, "en_US");
    ASSERT_EQ(updated.messages.size(), 3u);
    // In id order; the changed text keeps its translation as a start.
    EXPECT_EQ(updated.messages[0].source, "1");
    EXPECT_EQ(updated.messages[0].note, "Ошибка!");
    EXPECT_EQ(updated.messages[0].translation, "Fault!");
    EXPECT_EQ(updated.messages[0].type, "unfinished");
    EXPECT_EQ(updated.messages[1].source, "2");
    EXPECT_EQ(updated.messages[1].translation, "");
    EXPECT_EQ(updated.messages[1].type, "unfinished");
    EXPECT_EQ(updated.messages[2].source, "3");
    EXPECT_TRUE(updated.messages[2].Finished());
    EXPECT_EQ(CatalogueProblems(updated, Own, 1, 3).size(), 2);
}

TEST(TsFile, WritesWhatItReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.ts"));
    const TsFile file{
        QStringLiteral("en_US"),
        {Entry(1, QStringLiteral("Error <&> \"quoted\"")),
         Entry(2, QStringLiteral("Writing...%d %%"), QStringLiteral("unfinished")),
         {QStringLiteral("tunbox::Other"), QStringLiteral("Нет "), {}, QStringLiteral("No "), {}}}};
    ASSERT_TRUE(WriteTsFile(path, file));
    const std::optional<TsFile> read = ReadTsFile(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->language, file.language);
    ASSERT_EQ(read->messages.size(), file.messages.size());
    for (std::size_t i = 0; i < file.messages.size(); ++i) {
        const TsMessage& a = read->messages[i];
        const TsMessage& b = file.messages[i];
        EXPECT_EQ(a.context, b.context) << i;
        EXPECT_EQ(a.source, b.source) << i;
        EXPECT_EQ(a.note, b.note) << i;
        EXPECT_EQ(a.translation, b.translation) << i;
        EXPECT_EQ(a.type, b.type) << i;
    }
    EXPECT_FALSE(ReadTsFile(dir.filePath(QStringLiteral("missing.ts"))).has_value());
}

} // namespace
} // namespace tunbox
