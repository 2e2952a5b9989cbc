#include "files/BackupFile.h"

#include "files/DecimalNumber.h"
#include "files/LineFile.h"

#include <climits>

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
    if (std::optional<std::vector<std::uint32_t>> values =
            BackupImageValues(data.lines, &data.badLine))
        data.values = std::move(*values);
    return data;
}

std::optional<std::vector<std::uint32_t>> BackupImageValues(const QStringList& lines,
                                                            int* firstBad) {
    std::vector<std::uint32_t> values;
    values.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const std::optional<qint32> value = ParseDecimalLine(lines[k]);
        if (!value) {
            if (firstBad)
                *firstBad = static_cast<int>(qMin<qsizetype>(k + 1, INT_MAX));
            return std::nullopt;
        }
        values.push_back(static_cast<std::uint32_t>(*value));
    }
    return values;
}

std::optional<std::vector<std::uint32_t>> RegistrationImageFromLines(const QStringList& lines) {
    if (lines.size() < RegistrationImageLength)
        return std::nullopt;
    const std::optional<std::vector<std::uint32_t>> values =
        BackupImageValues(lines.mid(0, RegistrationImageLength));
    if (!values)
        return std::nullopt;
    return RegistrationImageFromValues(*values);
}

std::optional<std::vector<std::uint32_t>>
RegistrationImageFromValues(std::span<const std::uint32_t> values) {
    if (values.size() < std::size_t{RegistrationImageLength})
        return std::nullopt;
    const std::span<const std::uint32_t> image = values.first(RegistrationImageLength);
    for (const std::uint32_t value : image) {
        if (value > 255)
            return std::nullopt;
    }
    return std::vector<std::uint32_t>(image.begin(), image.end());
}

} // namespace tunbox
