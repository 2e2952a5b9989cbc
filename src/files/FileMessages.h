#pragma once

#include "files/BackupFile.h"
#include "files/FileOutcome.h"
#include "files/OutputSettingsFile.h"
#include "model/MessageText.h"

#include <QString>

namespace tunbox {

// Catalogue ids of the file errors the window shows in its error boxes.
inline constexpr int FileReadErrorId = 10088; // "Не удалось прочитать файл %s: %s"
inline constexpr int FileWriteErrorId = 10089; // "Не удалось записать файл %s: %s"
inline constexpr int FileRemoveErrorId = 10090; // "Не удалось удалить файл %s: %s"
inline constexpr int FileTooLargeId = 10091;    // "Файл %s слишком большой ..."
inline constexpr int SettingsTooShortId = 10092; // "... в нём меньше 96 строк"
inline constexpr int SettingsNotNumberId = 10093; // "... строка %d не является целым числом"
inline constexpr int SettingsBadValueId = 10094; // "... (Байт №%d=%d) ..."
inline constexpr int FirmwareVersionErrorId = 10099; // "Не удалось определить версию ПО ..."
inline constexpr int BackupImageErrorId = 10100; // "... 1792 числа от 0 до 255 ..."
inline constexpr int BackupNotNumberId = 10101; // "... строка %d не является целым числом"

// The text of a failed read, write or delete of file (the window passes the name
// it wants the user to see): FileReadErrorId, FileWriteErrorId or
// FileRemoveErrorId with the system's reason, or FileTooLargeId.
QString FileErrorText(const MessageLookup& lookup, const QString& file, const FileOutcome& outcome);

// The text of a failed save of file: FileWriteErrorId with the system's reason,
// whether the file could not be created (OpenFailed) or not written.
QString SaveErrorText(const MessageLookup& lookup, const QString& file, const FileOutcome& outcome);

// The text of a refused settings file (any result but Ok), naming file and, as
// the result needs, the line or the byte and its value (signed, so -1 shows as
// -1).
QString SettingsFileErrorText(const MessageLookup& lookup, const QString& file,
                              const SettingsFileData& data);

// The text of a refused backup file: FileErrorText when it could not be read,
// else BackupNotNumberId naming file and its first line that is no integer;
// empty for a file that loads.
QString BackupFileErrorText(const MessageLookup& lookup, const QString& file,
                            const BackupFileData& data);

} // namespace tunbox
