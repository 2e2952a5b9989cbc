#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tunbox {

// One message of a Qt Linguist translation source (.ts).
struct TsMessage {
    QString context;
    QString source;
    // The note for the translator (<extracomment>); the catalogue keeps the
    // program's own text of the message there.
    QString note;
    QString translation;
    // The translation's type attribute: empty for a finished translation, else
    // "unfinished", "vanished" or "obsolete".
    QString type;

    bool Finished() const { return type.isEmpty() && !translation.isEmpty(); }
    // Whether lrelease puts the message into the module at all.
    bool Current() const {
        return type != QLatin1String("vanished") && type != QLatin1String("obsolete");
    }
};

struct TsFile {
    // The language attribute, e.g. "en_US".
    QString language;
    std::vector<TsMessage> messages;

    // The current message of context with source, nullptr when there is none.
    const TsMessage* Find(const QString& context, const QString& source) const;
};

// Reads a .ts file; nothing when it cannot be read or is not a translation source.
// error, when given, tells why.
std::optional<TsFile> ReadTsFile(const QString& path, QString* error = nullptr);

// Writes file as a .ts in the layout lupdate writes (contexts in the order of
// their first message); false when it cannot be written.
bool WriteTsFile(const QString& path, const TsFile& file);

} // namespace tunbox
