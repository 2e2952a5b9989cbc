#include "support/ProgramInFolder.h"

#include "app/BuiltInMessages.h"
#include "app/LanguageState.h"
#include "app/Startup.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tunbox {

ProgramInFolder::ProgramInFolder(const QString& folder, bool withEnglish) {
    const QDir dir(folder);
    paths.executable = dir.filePath(QStringLiteral("tunbox-rpu-klt"));
    paths.languageStore = dir.filePath(QStringLiteral("store/languages.conf"));
    SetProgramPaths(paths);
    if (withEnglish) {
        const QString module = paths.WithExtension(QStringLiteral("EN"));
        QFile::remove(module);
        EXPECT_TRUE(QFile::copy(BuiltEnglishModule(), module))
            << "module not built: " << BuiltEnglishModule().toStdString();
    }
    Activate(QString::fromLatin1(BuiltInLanguage));
}

ProgramInFolder::~ProgramInFolder() {
    SetProgramPaths({});
    ActivateLanguage(QString::fromLatin1(BuiltInLanguage));
}

QString ProgramInFolder::BuiltEnglishModule() {
    return QStringLiteral(TUNBOX_BUILT_MODULES_DIR "/tunbox-rpu-klt.EN");
}

void ProgramInFolder::Activate(const QString& code) {
    SetDefaultLocaleReg(paths.executable, code);
    ActivateLanguage(code);
}

void ProgramInFolder::WriteSettings(const QByteArray& content) const {
    QFile file(paths.SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ProgramInFolder::Settings() const {
    QFile file(paths.SettingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tunbox
