#include "files/FileMessages.h"

namespace tunbox {

QString FileErrorText(const MessageLookup& lookup, const QString& file,
                      const FileOutcome& outcome) {
    switch (outcome.status) {
    case FileStatus::Ok:
        break;
    case FileStatus::OpenFailed:
    case FileStatus::ReadFailed:
        return FormatMessage(lookup(FileReadErrorId), {file, outcome.reason});
    case FileStatus::WriteFailed:
        return FormatMessage(lookup(FileWriteErrorId), {file, outcome.reason});
    case FileStatus::RemoveFailed:
        return FormatMessage(lookup(FileRemoveErrorId), {file, outcome.reason});
    case FileStatus::TooLarge:
        return FormatMessage(lookup(FileTooLargeId), {file});
    }
    return {};
}

QString SaveErrorText(const MessageLookup& lookup, const QString& file,
                      const FileOutcome& outcome) {
    if (outcome.Ok())
        return {};
    return FormatMessage(lookup(FileWriteErrorId), {file, outcome.reason});
}

QString SettingsFileErrorText(const MessageLookup& lookup, const QString& file,
                              const SettingsFileData& data) {
    switch (data.result) {
    case SettingsFileResult::Ok:
        break;
    case SettingsFileResult::Unreadable:
        return FileErrorText(lookup, file, data.file);
    case SettingsFileResult::TooFewLines:
        return FormatMessage(lookup(SettingsTooShortId), {file});
    case SettingsFileResult::NotANumber:
        return FormatMessage(lookup(SettingsNotNumberId), {file, data.line});
    case SettingsFileResult::BadValue:
        return FormatMessage(lookup(SettingsBadValueId),
                             {file, data.cell.byte, static_cast<qint32>(data.cell.value)});
    }
    return {};
}

QString BackupFileErrorText(const MessageLookup& lookup, const QString& file,
                            const BackupFileData& data) {
    if (!data.file.Ok())
        return FileErrorText(lookup, file, data.file);
    if (data.badLine > 0)
        return FormatMessage(lookup(BackupNotNumberId), {file, data.badLine});
    return {};
}

} // namespace tunbox
