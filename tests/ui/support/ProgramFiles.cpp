#include "support/ProgramFiles.h"

#include <QDir>
#include <QFile>

namespace tunbox {

ProgramFiles::ProgramFiles(const SimulatedWindow& w) : root_(w.programDir.path()) {}

QString ProgramFiles::Path(const QString& name) const {
    return QDir(root_).filePath(name);
}

QString ProgramFiles::Put(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << name.toStdString();
    return Path(name);
}

QByteArray ProgramFiles::Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramFiles::OpenError(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

QStringList ProgramFiles::Entries(const QString& subfolder) const {
    return QDir(Path(subfolder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void ProgramFiles::OpenToOthers() const {
    // Leaving the super-user keeps its group, so the group may pass too.
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(root_, open);
    for (const char* folder : {"conf", "reg", "base"})
        QFile::setPermissions(Path(QString::fromLatin1(folder)), open);
}

QByteArray NumberText(const std::vector<quint32>& values, const QByteArray& ending) {
    QByteArray out;
    for (const quint32 value : values)
        out += QByteArray::number(value) + ending;
    return out;
}

QByteArray LineText(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

} // namespace tunbox
