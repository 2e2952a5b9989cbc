// The English module is complete: every window text the sources hold and every
// catalogue message has a finished English translation with the same
// placeholders, and the module the build makes carries them all. When a test
// here fails, run `make translations` and translate what it marks unfinished
// in translations/*.ts.
#include "TranslationCheck.h"
#include "TsFile.h"

#include "app/BuiltInMessages.h"
#include "app/LanguageModule.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

const QString kSourceDir = QStringLiteral(TUNBOX_SOURCE_DIR);

TsFile ReadSource(const QString& name) {
    const QString path = kSourceDir + QStringLiteral("/translations/") + name;
    QString error;
    std::optional<TsFile> file = ReadTsFile(path, &error);
    EXPECT_TRUE(file.has_value()) << path.toStdString() << ": " << error.toStdString();
    return file.value_or(TsFile{});
}

QString Lines(const QStringList& problems) {
    return problems.join(QLatin1Char('\n'));
}

TEST(EnglishModule, EveryCatalogueMessageHasAFinishedTranslation) {
    const TsFile catalogue = ReadSource(QStringLiteral("tunbox-rpu-klt_messages_en.ts"));
    EXPECT_EQ(Lines(CatalogueProblems(catalogue, &BuiltInMessage, FirstBuiltInMessageId,
                                      LastBuiltInMessageId))
                  .toStdString(),
              "");
}

TEST(EnglishModule, EveryWindowTextHasAFinishedTranslation) {
    // What lupdate finds in the sources now, into a fresh file.
    QTemporaryDir dir;
    const QString found = dir.filePath(QStringLiteral("found_en.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TUNBOX_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   kSourceDir + QStringLiteral("/src"), QStringLiteral("-ts"), found});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::optional<TsFile> texts = ReadTsFile(found);
    ASSERT_TRUE(texts.has_value());
    ASSERT_GT(texts->messages.size(), 100u) << "lupdate found hardly any text";

    const TsFile committed = ReadSource(QStringLiteral("tunbox-rpu-klt_en.ts"));
    EXPECT_EQ(Lines(WindowTextProblems(committed, *texts)).toStdString(), "");
}

TEST(EnglishModule, TheBuiltModuleCarriesEveryTranslation) {
    const QString path = QStringLiteral(TUNBOX_BUILT_MODULES_DIR "/tunbox-rpu-klt.EN");
    std::unique_ptr<LanguageModule> module = LanguageModule::Load(path, QStringLiteral("EN"));
    ASSERT_NE(module, nullptr) << path.toStdString();

    const TsFile catalogue = ReadSource(QStringLiteral("tunbox-rpu-klt_messages_en.ts"));
    for (int id = FirstBuiltInMessageId; id <= LastBuiltInMessageId; ++id) {
        const TsMessage* entry =
            catalogue.Find(QString::fromLatin1(CatalogueContext), QString::number(id));
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(module->Message(id), entry->translation) << id;
    }
    for (const TsMessage& text : ReadSource(QStringLiteral("tunbox-rpu-klt_en.ts")).messages) {
        if (!text.Finished())
            continue;
        EXPECT_EQ(module->Translator().translate(text.context.toUtf8().constData(),
                                                 text.source.toUtf8().constData()),
                  text.translation)
            << text.context.toStdString() << ": " << text.source.toStdString();
    }
}

} // namespace
} // namespace tunbox
