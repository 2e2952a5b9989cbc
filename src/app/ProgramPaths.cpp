#include "app/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
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
    ProgramPaths paths;
    paths.executable = QCoreApplication::applicationFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        paths.documentsFolder =
            QDir(documents).filePath(QString::fromLatin1(DocumentsSubfolderName));
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

QString ProgramPaths::SettingsFile() const {
    return WithExtension(QStringLiteral("INI"));
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
