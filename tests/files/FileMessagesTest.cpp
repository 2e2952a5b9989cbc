#include "files/FileMessages.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

// Stands in for the catalogue: each text shows its id and its placeholders.
QString Pattern(int id) {
    switch (id) {
    case FileReadErrorId:
        return "read %s: %s";
    case FileWriteErrorId:
        return "write %s: %s";
    case FileRemoveErrorId:
        return "remove %s: %s";
    case FileTooLargeId:
        return "large %s";
    case SettingsTooShortId:
        return "short %s";
    case SettingsNotNumberId:
        return "line %s %d";
    case SettingsBadValueId:
        return "value %s %d=%d";
    case BackupNotNumberId:
        return "backup line %s %d";
    }
    return {};
}

TEST(FileErrorText, NamesTheFileAndTheSystemsReason) {
    struct Case {
        FileStatus status;
        const char* text;
    };
    const Case cases[] = {
        {FileStatus::OpenFailed, "read a.cfg: why"},
        {FileStatus::ReadFailed, "read a.cfg: why"},
        {FileStatus::WriteFailed, "write a.cfg: why"},
        {FileStatus::RemoveFailed, "remove a.cfg: why"},
        {FileStatus::TooLarge, "large a.cfg"},
        {FileStatus::Ok, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileErrorText(Pattern, "a.cfg", {c.status, "why"}), c.text) << c.text;
}

TEST(SettingsFileErrorText, NamesTheLineOrTheByteAndItsSignedValue) {
    SettingsFileData data;
    data.result = SettingsFileResult::BadValue;
    data.cell = {3, 0xFFFFFFFFu};
    EXPECT_EQ(SettingsFileErrorText(Pattern, "a.cfg", data), "value a.cfg 3=-1");
    data.cell = {33, 300};
    EXPECT_EQ(SettingsFileErrorText(Pattern, "a.cfg", data), "value a.cfg 33=300");
    data.result = SettingsFileResult::NotANumber;
    data.line = 7;
    EXPECT_EQ(SettingsFileErrorText(Pattern, "a.cfg", data), "line a.cfg 7");
    data.result = SettingsFileResult::TooFewLines;
    EXPECT_EQ(SettingsFileErrorText(Pattern, "a.cfg", data), "short a.cfg");
    data.result = SettingsFileResult::Unreadable;
    data.file = {FileStatus::OpenFailed, "No such file or directory"};
    EXPECT_EQ(SettingsFileErrorText(Pattern, "a.cfg", data),
              "read a.cfg: No such file or directory");
}

// A save that could not even create its file is still a failed save.
TEST(SaveErrorText, SaysWriteWhateverStepFailed) {
    for (FileStatus status : {FileStatus::OpenFailed, FileStatus::WriteFailed})
        EXPECT_EQ(SaveErrorText(Pattern, "a.cfg", {status, "why"}), "write a.cfg: why");
    EXPECT_EQ(SaveErrorText(Pattern, "a.cfg", {}), "");
}

TEST(BackupFileErrorText, NamesTheReasonOrTheFirstLineThatIsNoNumber) {
    BackupFileData data;
    EXPECT_EQ(BackupFileErrorText(Pattern, "a.rrg", data), "");
    data.badLine = 1792;
    EXPECT_EQ(BackupFileErrorText(Pattern, "a.rrg", data), "backup line a.rrg 1792");
    data.file = {FileStatus::ReadFailed, "Input/output error"};
    EXPECT_EQ(BackupFileErrorText(Pattern, "a.rrg", data), "read a.rrg: Input/output error");
}

} // namespace
} // namespace tunbox
