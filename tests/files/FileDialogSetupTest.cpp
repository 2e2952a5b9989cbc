#include "files/FileDialogSetup.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(SuggestedSettingsName, DemoFollowsTheButtonsConnectedTheUnitsKind) {
    const ModeButtons rpu{true, false, false};
    const ModeButtons rtr{false, true, false};
    const ModeButtons mro{false, false, true};
    const ModeButtons none{};
    struct Case {
        bool demo;
        int deviceMode;
        ModeButtons buttons;
        const char* name;
    };
    const Case cases[] = {
        {true, -1, rpu, "klt_rpu_auto"},
        {true, -1, rtr, "klt_rtr"},
        {true, -1, mro, "klt_mro"},
        {true, 1, none, ""},
        {false, 0, rpu, "klt_rpu_auto"},
        {false, 0, rtr, "klt_rtr"},
        {false, 0, mro, ""},
        {false, 1, rpu, "klt_mro"},
        {false, 1, none, "klt_mro"},
        {false, 2, rpu, ""},
        {false, -1, rtr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SuggestedSettingsName(c.demo, c.deviceMode, c.buttons), c.name)
            << c.demo << " " << c.deviceMode << " " << c.name;
}

TEST(FileDialogSetup, TitlesFiltersSuffixesFoldersAndNames) {
    EXPECT_EQ(SettingsSaveDialog("klt_rtr"),
              (FileDialogSetup{10044, 10036, 1, "cfg", "conf", "klt_rtr"}));
    EXPECT_EQ(SettingsLoadDialog(), (FileDialogSetup{10035, 10036, 1, "cfg", "conf", ""}));
    EXPECT_EQ(
        BackupSaveDialog("klt_rpu_3_310127_object_12_conf_77"),
        (FileDialogSetup{10041, 10027, 1, "rrg", "reg", "klt_rpu_3_310127_object_12_conf_77"}));
    EXPECT_EQ(BackupLoadDialog(BackupMode::Rtr),
              (FileDialogSetup{10032, 10027, 1, "rrg", "reg", "klt_rtr_*"}));
    EXPECT_EQ(BackupLoadDialog(BackupMode::None),
              (FileDialogSetup{10032, 10027, 1, "rrg", "reg", ""}));
    EXPECT_EQ(BackupDeleteDialog(BackupMode::Rpu),
              (FileDialogSetup{10026, 10027, 1, "rrg", "reg", "klt_rpu_*"}));
}

} // namespace
} // namespace tunbox
