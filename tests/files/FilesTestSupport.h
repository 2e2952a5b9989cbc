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
    // Others may pass through the folder, so permission tests reach its files.
    TempFolderTest() {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
    }

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

// Permission bits do not stop the super-user, so a test of what they refuse runs
// its steps inside this guard: under the super-user the effective user becomes
// "nobody" until the guard ends; Active() is false when that cannot be done.
class ScopedUnprivileged {
  public:
    ScopedUnprivileged() {
        if (geteuid() != 0)
            return;
        switched_ = seteuid(NobodyUid) == 0;
        active_ = switched_;
    }
    ~ScopedUnprivileged() {
        if (switched_ && seteuid(0) != 0)
            ADD_FAILURE() << "could not return to the super-user";
    }
    ScopedUnprivileged(const ScopedUnprivileged&) = delete;
    ScopedUnprivileged& operator=(const ScopedUnprivileged&) = delete;

    bool Active() const { return active_; }

  private:
    static constexpr uid_t NobodyUid = 65534;
    bool switched_ = false;
    bool active_ = true;
};

// n lines of decimal text joined with ending.
inline QByteArray NumberLines(const QList<int>& values, const QByteArray& ending = "\r\n") {
    QByteArray out;
    for (int v : values)
        out += QByteArray::number(v) + ending;
    return out;
}

} // namespace tunbox::test
