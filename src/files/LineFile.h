#pragma once

#include "files/FileOutcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace tunbox {

// The program's text files (settings and backup files): one line per value, each
// line ended by CR LF, no byte-order mark. Reading accepts CR LF, CR or LF.

// Largest text file the program reads; settings and backup files are a few
// kilobytes, so anything bigger is refused rather than read into memory.
inline constexpr qint64 MaxLineFileSize = 16 * 1024 * 1024;

// The lines of data: a line ends at CR LF, at a CR or at an LF; the text after the
// last line end, when not empty, is one more line. Bytes are read as UTF-8.
QStringList SplitLines(QByteArrayView data);

// Every line followed by CR LF, encoded as UTF-8 (the program's lines are digits).
QByteArray JoinLines(const QStringList& lines);

struct LinesRead {
    FileOutcome outcome;
    QStringList lines; // empty unless outcome is Ok
};

// Reads the whole file at path and splits it into lines. A file larger than
// maxSize is refused with TooLarge without being read whole.
LinesRead ReadLines(const QString& path, qint64 maxSize = MaxLineFileSize);

// Creates the device a save writes through; the program uses a plain QSaveFile,
// tests pass one that fails on demand.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;

// Replaces the file at path by JoinLines(lines), atomically: the new content goes
// to a temporary file beside it that takes the file's place only when every byte
// was written. On any failure the former file (or its absence) stays byte for
// byte as it was and no temporary file is left behind.
FileOutcome WriteLines(const QString& path, const QStringList& lines,
                       const SaveFileFactory& open = {});

// Deletes the file at path. A file that does not exist counts as deleted.
FileOutcome RemoveFile(const QString& path);

} // namespace tunbox
