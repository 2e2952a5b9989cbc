#include "app/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tunbox {

namespace {

ProgramPaths& CurrentPaths() {
    static ProgramPaths paths;
    return paths;
}

} // namespace

ProgramPaths ProgramPaths::FromApplication() {
    const QString executable = QCoreApplication::applicationFilePath();
    const QFileInfo folder(QFileInfo(executable).absolutePath());
    ProgramPaths paths =
        ForExecutable(executable, folder.isWritable(),
                      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        paths.documentsFolder =
            QDir(documents).filePath(QString::fromLatin1(DocumentsSubfolderName));
    return paths;
}

ProgramPaths ProgramPaths::ForExecutable(const QString& executable, bool folderWritable,
                                         const QString& userDataRoot) {
    ProgramPaths paths;
    paths.executable = executable;
    if (!folderWritable && !userDataRoot.isEmpty())
        paths.dataFolder = QDir(userDataRoot).filePath(QString::fromLatin1(DataSubfolderName));
    return paths;
}

QString ProgramPaths::Folder() const {
    return QFileInfo(executable).absolutePath();
}

QString ProgramPaths::FileName() const {
    return QFileInfo(executable).fileName();
}

QString ProgramPaths::WithExtension(const QString& extension) const {
    return ReplaceExtension(executable, extension);
}

QString ProgramPaths::DataFolder() const {
    return dataFolder.isEmpty() ? Folder() : dataFolder;
}

QString ProgramPaths::SettingsFile() const {
    if (dataFolder.isEmpty())
        return ShippedSettingsFile();
    return QDir(dataFolder).filePath(QFileInfo(ShippedSettingsFile()).fileName());
}

QString ProgramPaths::ShippedSettingsFile() const {
    return WithExtension(QStringLiteral("INI"));
}

void PrepareDataFolder(const ProgramPaths& paths) {
    if (paths.dataFolder.isEmpty() || paths.executable.isEmpty())
        return;
    if (!QDir().mkpath(paths.dataFolder))
        return;
    const QString settings = paths.SettingsFile();
    if (!QFileInfo::exists(settings) && QFileInfo(paths.ShippedSettingsFile()).isFile() &&
        QFile::copy(paths.ShippedSettingsFile(), settings))
        QFile::setPermissions(settings, QFile::permissions(settings) | QFile::WriteOwner);
}

QString ReplaceExtension(const QString& path, const QString& extension) {
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > nameStart ? path.left(dot) : path;
    return base + QLatin1Char('.') + extension;
}

const ProgramPaths& Program() {
    return CurrentPaths();
}

void SetProgramPaths(const ProgramPaths& paths) {
    CurrentPaths() = paths;
}

} // namespace tunbox
