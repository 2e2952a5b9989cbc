#include "files/BackupFile.h"

#include "files/DecimalNumber.h"
#include "files/LineFile.h"

namespace tunbox {

BackupFileData ReadBackupFile(const QString& path) {
    LinesRead read = ReadLines(path);
    BackupFileData data;
    data.file = read.outcome;
    if (!read.outcome.Ok())
        return data;
    data.lines = std::move(read.lines);
    if (!data.lines.isEmpty())
        data.confCode = data.lines.last();
    return data;
}

std::optional<std::vector<std::uint32_t>> RegistrationImageFromLines(const QStringList& lines) {
    if (lines.size() < RegistrationImageLength)
        return std::nullopt;
    std::vector<std::uint32_t> image(RegistrationImageLength);
    for (int k = 0; k < RegistrationImageLength; ++k) {
        const std::optional<qint32> value = ParseDecimalLine(lines[k]);
        if (!value || *value < 0 || *value > 255)
            return std::nullopt;
        image[k] = static_cast<std::uint32_t>(*value);
    }
    return image;
}

} // namespace tunbox
