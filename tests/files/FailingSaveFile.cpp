#include "files/FailingSaveFile.h"

#include <algorithm>

namespace tunbox::test {

FailingSaveFile::FailingSaveFile(const QString& path, qint64 failAfter)
    : QSaveFile(path), failAfter_(failAfter) {}

qint64 FailingSaveFile::writeData(const char* data, qint64 len) {
    const qint64 room = failAfter_ - written_;
    if (room <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 taken = QSaveFile::writeData(data, std::min(len, room));
    if (taken > 0)
        written_ += taken;
    return taken;
}

} // namespace tunbox::test
