#include "files/LineFile.h"

#include <QFile>
#include <QFileInfo>

namespace tunbox {

QStringList SplitLines(QByteArrayView data) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = data.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromUtf8(data.sliced(start, i - start)));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromUtf8(data.sliced(start)));
    return lines;
}

QByteArray JoinLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

LinesRead ReadLines(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{FileStatus::OpenFailed, file.errorString()}, {}};
    if (file.size() > maxSize)
        return {{FileStatus::TooLarge, {}}, {}};
    // One byte more than allowed tells a device that reports no size (a pipe) and
    // grows past the limit.
    const QByteArray data = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{FileStatus::ReadFailed, file.errorString()}, {}};
    if (data.size() > maxSize)
        return {{FileStatus::TooLarge, {}}, {}};
    return {{}, SplitLines(data)};
}

FileOutcome WriteLines(const QString& path, const QStringList& lines, const SaveFileFactory& open) {
    std::unique_ptr<QSaveFile> file = open ? open(path) : std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        return {FileStatus::OpenFailed, file->errorString()};
    const QByteArray data = JoinLines(lines);
    // A device may take part of the bytes; what it refuses fails the save.
    for (qsizetype done = 0; done < data.size();) {
        const qint64 n = file->write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            const QString reason = file->errorString();
            file->cancelWriting();
            file->commit(); // after cancelWriting this only discards the temporary file
            return {FileStatus::WriteFailed, reason};
        }
        done += n;
    }
    if (!file->commit())
        return {FileStatus::WriteFailed, file->errorString()};
    return {};
}

FileOutcome RemoveFile(const QString& path) {
    QFile file(path);
    if (file.remove())
        return {};
    // A name that no longer exists, not even as a dangling link, is gone already.
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return {};
    return {FileStatus::RemoveFailed, file.errorString()};
}

} // namespace tunbox
