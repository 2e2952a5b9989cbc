#include "files/OutputSettingsFile.h"

#include "files/DecimalNumber.h"
#include "files/LineFile.h"

#include <climits>

namespace tunbox {

SettingsFileData CheckSettingsLines(QStringList lines, SettingsPage page) {
    SettingsFileData data;
    data.lineCount = static_cast<int>(qMin<qsizetype>(lines.size(), INT_MAX));
    data.lines = std::move(lines);
    if (data.lines.size() < SettingsImageLength) {
        data.result = SettingsFileResult::TooFewLines;
        return data;
    }
    std::array<quint32, SettingsImageLength> image{};
    for (int k = 0; k < SettingsImageLength; ++k) {
        const std::optional<qint32> value = ParseDecimalLine(data.lines[k]);
        if (!value) {
            data.result = SettingsFileResult::NotANumber;
            data.line = k + 1;
            return data;
        }
        image[k] = static_cast<quint32>(*value);
    }
    const std::optional<RejectedCell> cell =
        page == SettingsPage::Rele ? FirstRejectedReleCell(image) : FirstRejectedRpuCell(image);
    if (cell) {
        data.result = SettingsFileResult::BadValue;
        data.cell = *cell;
        return data;
    }
    data.image = image;
    return data;
}

SettingsFileData ReadSettingsFile(const QString& path, SettingsPage page) {
    LinesRead read = ReadLines(path);
    if (!read.outcome.Ok()) {
        SettingsFileData data;
        data.result = SettingsFileResult::Unreadable;
        data.file = read.outcome;
        return data;
    }
    return CheckSettingsLines(std::move(read.lines), page);
}

QStringList SettingsFileLines(std::span<const quint32> image) {
    QStringList lines;
    lines.reserve(SettingsImageLength);
    for (int k = 0; k < SettingsImageLength; ++k)
        lines.append(QString::number(k < static_cast<int>(image.size()) ? image[k] : 0u));
    return lines;
}

} // namespace tunbox
