#include "AppTestSupport.h"

#include "app/GuardedApplication.h"
#include "app/LanguageState.h"
#include "app/MessageTable.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

namespace tunbox::test {

void EnsureApplication() {
    if (QCoreApplication::instance())
        return;
    // Anything that still reaches for the standard locations stays in Qt's test area.
    QStandardPaths::setTestModeEnabled(true);
    static int argc = 1;
    static char name[] = "tunbox_app_tests";
    static char* argv[] = {name, nullptr};
    new GuardedApplication(argc, argv); // lives until the test process ends
}

QString BuiltModule(const QString& name) {
    return QStringLiteral(TUNBOX_TEST_MODULES_DIR "/") + name + QStringLiteral(".qm");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void ProgramFixture::SetUp() {
    EnsureApplication();
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir().mkpath(dir_.filePath(QStringLiteral("bin"))));
    paths_.executable = dir_.filePath(QStringLiteral("bin/tunbox-rpu-klt"));
    paths_.documentsFolder = dir_.filePath(QStringLiteral("documents/Tunbox-RPU-KLT"));
    paths_.languageStore = dir_.filePath(QStringLiteral("store/languages.conf"));
    SetProgramPaths(paths_);
    Messages().Clear();
    SetNewResourceFile(QString(), {}, QString());
    QLocale::setDefault(QLocale::c());
}

void ProgramFixture::TearDown() {
    SetNewResourceFile(QString(), {}, QString());
    QLocale::setDefault(QLocale::c());
    Messages().Clear();
    QDir::setCurrent(QDir::tempPath());
    SetProgramPaths({});
}

void ProgramFixture::InstallModule(const QString& name, const QString& extension, Place place) {
    QString target = paths_.WithExtension(extension);
    if (place == Place::Documents)
        target = QDir(paths_.documentsFolder).filePath(QFileInfo(target).fileName());
    const QByteArray module = ReadFile(BuiltModule(name));
    ASSERT_FALSE(module.isEmpty()) << "module not built: " << name.toStdString();
    WriteFile(target, module);
}

void ProgramFixture::WriteSettings(const QByteArray& content) {
    WriteFile(paths_.SettingsFile(), content);
}

} // namespace tunbox::test
