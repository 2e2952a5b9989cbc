#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tunbox::test {

// A temporary folder per test, with small helpers to lay files into it.
class TempFolderTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Put(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return Path(name);
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every name in the folder, hidden ones included: a save leaves no stray file.
    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir_;
};

// Permission bits do not stop the super-user; tests that rely on them skip then.
inline bool PermissionsApply() {
    return geteuid() != 0;
}

// n lines of decimal text joined with ending.
inline QByteArray NumberLines(const QList<int>& values, const QByteArray& ending = "\r\n") {
    QByteArray out;
    for (int v : values)
        out += QByteArray::number(v) + ending;
    return out;
}

} // namespace tunbox::test
