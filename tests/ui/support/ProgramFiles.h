#pragma once

#include "support/SimulatedWindow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tunbox {

// The files of a window's program folder, as the user's earlier work left them
// and as the window's file workflows leave them.
class ProgramFiles {
  public:
    explicit ProgramFiles(const SimulatedWindow& w);

    // The full path of name inside the program folder ("conf/a.cfg").
    QString Path(const QString& name) const;
    // Writes bytes to name, replacing what was there; returns the full path.
    QString Put(const QString& name, const QByteArray& bytes) const;
    // The file's bytes; empty when it cannot be read.
    static QByteArray Bytes(const QString& path);
    // The system's reason, in the active language, why the file at path cannot
    // be opened for reading; empty when it can.
    static QString OpenError(const QString& path);
    // Every name in subfolder, hidden ones included: a save leaves no stray file.
    QStringList Entries(const QString& subfolder) const;
    // Lets another user pass through the program folder and its subfolders, so
    // a test that leaves the super-user (ScopedUnprivileged) reaches its files.
    void OpenToOthers() const;

  private:
    QString root_;
};

// values as a file holds them: each as decimal text followed by ending.
QByteArray NumberText(const std::vector<quint32>& values, const QByteArray& ending = "\r\n");
// texts each followed by CR LF.
QByteArray LineText(const QStringList& lines);

} // namespace tunbox
