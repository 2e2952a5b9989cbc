#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace tunbox {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// The whole file as lines, with what is needed to write it back unchanged.
struct IniText {
    QStringList lines;
    QString lineBreak = QStringLiteral("\r\n");
    bool bom = false;
    bool endsWithBreak = true;
};

// Reads the file; a missing file reads as empty. nullopt when it exists but cannot be read.
std::optional<IniText> ReadText(const QString& path) {
    IniText text;
    QFile file(path);
    if (!file.exists())
        return text;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (bytes.startsWith(kUtf8Bom)) {
        text.bom = true;
        bytes.remove(0, 3);
    }
    QString content = QString::fromUtf8(bytes);
    if (!content.contains(QStringLiteral("\r\n")) && content.contains(QLatin1Char('\n')))
        text.lineBreak = QStringLiteral("\n");
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (content.isEmpty())
        return text;
    text.endsWithBreak = content.endsWith(QLatin1Char('\n'));
    if (text.endsWithBreak)
        content.chop(1);
    text.lines = content.split(QLatin1Char('\n'));
    return text;
}

bool SameName(QStringView a, QStringView b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section name of a "[name]" line, nullopt for any other line.
std::optional<QStringView> SectionName(QStringView line) {
    line = line.trimmed();
    if (!line.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    return close < 0 ? line.mid(1) : line.mid(1, close - 1);
}

bool IsComment(QStringView line) {
    return line.trimmed().startsWith(QLatin1Char(';'));
}

// Where a section and one of its keys sit in the lines.
struct Location {
    qsizetype header = -1;    // line of "[section]", -1 when missing
    qsizetype key = -1;       // line of "key=", -1 when missing
    qsizetype lastEntry = -1; // last "key=value" line of the section, else its header
};

Location Find(const QStringList& lines, const QString& section, const QString& key) {
    Location at;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line(lines[i]);
        if (const auto name = SectionName(line)) {
            if (at.header >= 0)
                break; // the section found first ends here
            if (SameName(*name, section))
                at.header = at.lastEntry = i;
            continue;
        }
        if (at.header < 0)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || IsComment(line))
            continue;
        at.lastEntry = i;
        if (at.key < 0 && SameName(line.left(equals), key))
            at.key = i;
    }
    return at;
}

QString Unquote(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool BreaksLines(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

} // namespace

QString IniFile::ReadString(const QString& path, const QString& section, const QString& key,
                            const QString& defaultValue) {
    const std::optional<IniText> text = ReadText(path);
    if (!text)
        return defaultValue;
    const Location at = Find(text->lines, section, key);
    if (at.key < 0)
        return defaultValue;
    const QString& line = text->lines[at.key];
    return Unquote(line.mid(line.indexOf(QLatin1Char('=')) + 1));
}

bool IniFile::WriteString(const QString& path, const QString& section, const QString& key,
                          const QString& value) {
    if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value) ||
        section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')) ||
        key.trimmed().isEmpty() || key.trimmed().startsWith(QLatin1Char(';')) ||
        key.trimmed().startsWith(QLatin1Char('[')))
        return false;
    std::optional<IniText> text = ReadText(path);
    if (!text)
        return false;

    QStringList& lines = text->lines;
    const Location at = Find(lines, section, key);
    if (at.key >= 0) {
        // Keep the key as the file spells it; only the value changes.
        const QString& old = lines[at.key];
        lines[at.key] =
            old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
    } else if (at.header >= 0) {
        lines.insert(at.lastEntry + 1, key.trimmed() + QLatin1Char('=') + value);
    } else {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
        lines.append(key.trimmed() + QLatin1Char('=') + value);
        text->endsWithBreak = true;
    }

    QString content = lines.join(text->lineBreak);
    if (text->endsWithBreak)
        content += text->lineBreak;
    QByteArray bytes = content.toUtf8();
    if (text->bom)
        bytes.prepend(kUtf8Bom);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace tunbox
