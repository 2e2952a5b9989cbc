// Any bytes through the line reader and the number reader. Lines never hold a line
// end, joining and splitting again gives the same lines, every number read is
// what the digits of its line say, and a backup file's values are its lines'
// numbers or, when a line is none, that line is the one named.
#include "files/BackupFile.h"
#include "files/DecimalNumber.h"
#include "files/LineFile.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A second, plain reading of a decimal line to compare with.
std::optional<qint32> Reference(const QString& line) {
    std::string text = line.toStdString();
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.erase(text.begin());
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    if (!text.empty() && text.front() == '+' && (text.size() < 2 || text[1] != '-'))
        text.erase(text.begin());
    qint32 value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = tunbox::SplitLines(bytes);
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            std::abort();
        if (tunbox::ParseDecimalLine(line) != Reference(line))
            std::abort();
    }
    if (tunbox::SplitLines(tunbox::JoinLines(lines)) != lines)
        std::abort();

    int badLine = 0;
    const auto values = tunbox::BackupImageValues(lines, &badLine);
    qsizetype firstBad = -1;
    for (qsizetype k = 0; k < lines.size() && firstBad < 0; ++k) {
        if (!tunbox::ParseDecimalLine(lines[k]))
            firstBad = k;
    }
    if (firstBad >= 0) {
        if (values || badLine != firstBad + 1)
            std::abort();
    } else {
        if (!values || badLine != 0 || values->size() != static_cast<std::size_t>(lines.size()))
            std::abort();
        for (qsizetype k = 0; k < lines.size(); ++k) {
            if ((*values)[static_cast<std::size_t>(k)] !=
                static_cast<std::uint32_t>(*tunbox::ParseDecimalLine(lines[k])))
                std::abort();
        }
    }
    return 0;
}
