#pragma once

#include <QString>

namespace tunbox {

// Reads and writes single keys of an INI file ("[Section]" lines, then
// "key=value" lines) the way the classic profile routines do: the file is opened,
// used and closed for every access; section and key names compare without regard
// to case and surrounding blanks; lines starting with ';' are comments.
//
// A write changes exactly one line (or adds one, and a section header when the
// section is missing) and leaves every other section, key, comment, blank line and
// the line-break style of the file as they were. The file is replaced atomically,
// so a failed write leaves the old file whole.
//
// The file is read as UTF-8 (a UTF-8 byte-order mark is kept when present).
class IniFile {
  public:
    // The value of key in section, trimmed of surrounding blanks and of one pair of
    // matching quotes. When the file, the section or the key is missing, or the file
    // cannot be read, the result is defaultValue. A key present with an empty value
    // reads as an empty text. The first matching section and key win.
    static QString ReadString(const QString& path, const QString& section, const QString& key,
                              const QString& defaultValue = {});

    // Sets key in section to value, creating the file, the section or the key as
    // needed. Returns false when the file cannot be read or written, or when a name
    // or the value would break the file's line structure.
    static bool WriteString(const QString& path, const QString& section, const QString& key,
                            const QString& value);
};

} // namespace tunbox
