#pragma once

#include <QString>

namespace tunbox {

// What became of one operation on a file.
enum class FileStatus {
    Ok = 0,
    OpenFailed = 1,   // the file could not be opened or created
    ReadFailed = 2,   // opened, but reading it failed
    WriteFailed = 3,  // writing or committing failed; a former file is left as it was
    RemoveFailed = 4, // the file exists and could not be deleted
    TooLarge = 5,     // larger than the reader accepts; not read
};

// A status and, for a failure the system reported, the system's own reason text
// ("Permission denied", "No such file or directory", ...). The reason is empty for
// Ok and TooLarge.
struct FileOutcome {
    FileStatus status = FileStatus::Ok;
    QString reason;

    bool Ok() const { return status == FileStatus::Ok; }
};

} // namespace tunbox
