#include "files/FirmwareCatalogue.h"

#include "files/FilesTestSupport.h"

namespace tunbox {
namespace {

TEST(NameVersion, AllDigitsOfTheNameJoined) {
    struct Case {
        const char* name;
        std::optional<qint32> version;
    };
    const Case cases[] = {
        {"klt-rpu_10_5.bin", 105},
        {"klt-mro-2_1.hex", 21},
        {"old_klt-rpu-9_9_9.bin", 999},
        {"KLT-RPU_10_6.BIN", 106},
        {"klt-rpu_0_07", 7},
        {"klt-rpu_2147483647", 2147483647},
        {"klt-rpu_2147483648", std::nullopt},
        {"klt-rpu.bin", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameVersion(c.name), c.version) << c.name;
}

TEST(FirmwareFamilyFor, ReceiverModesShareOneCatalogue) {
    EXPECT_EQ(FirmwareFamilyFor({true, false, false}), FirmwareFamily::Receiver);
    EXPECT_EQ(FirmwareFamilyFor({false, true, false}), FirmwareFamily::Receiver);
    EXPECT_EQ(FirmwareFamilyFor({false, false, true}), FirmwareFamily::RelayModule);
    EXPECT_EQ(FirmwareFamilyFor({}), FirmwareFamily::None);
    EXPECT_EQ(FirmwareNamePart(FirmwareFamily::Receiver), "klt-rpu");
    EXPECT_EQ(FirmwareNamePart(FirmwareFamily::RelayModule), "klt-mro");
}

class FirmwareCatalogueTest : public test::TempFolderTest {
  protected:
    void Lay(const QStringList& names) {
        for (const QString& name : names)
            Put(name, "\x55\x55\x12\x69");
    }
};

TEST_F(FirmwareCatalogueTest, ListingCandidateAndOffer) {
    struct Case {
        const char* what;
        QStringList files;
        QStringList folders;
        FirmwareFamily family;
        int deviceMode;
        int deviceVersion;
        QStringList entries;
        FirmwareScanResult result;
    };
    const Case cases[] = {
        {"both cases listed, the newer last",
         {"klt-rpu_10_4.bin", "KLT-RPU_10_6.BIN", "klt-mro_2_1.bin", "notes.txt"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {"klt-rpu_10_4.bin", "KLT-RPU_10_6.BIN"},
         FirmwareScanResult::UpdateOffered},
        {"the part anywhere in the name",
         {"old_klt-rpu-9_9_9.bin", "klt-rpu_10_5.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         200,
         {"klt-rpu_10_5.bin", "old_klt-rpu-9_9_9.bin"},
         FirmwareScanResult::UpdateOffered},
        {"files listed, the unit of the other kind",
         {"klt-rpu_10_6.bin"},
         {},
         FirmwareFamily::Receiver,
         1,
         20,
         {"klt-rpu_10_6.bin"},
         FirmwareScanResult::NoUpdate},
        {"the unit's own version",
         {"klt-rpu_10_4.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {"klt-rpu_10_4.bin"},
         FirmwareScanResult::NoUpdate},
        {"a folder named like a firmware file",
         {"klt-rpu_10_4.bin"},
         {"klt-rpu_11_0.bin"},
         FirmwareFamily::Receiver,
         0,
         104,
         {"klt-rpu_10_4.bin", "klt-rpu_11_0.bin"},
         FirmwareScanResult::UpdateOffered},
        {"relay-module catalogue",
         {"klt-rpu_10_6.bin", "klt-mro-2_1.hex", "KLT-MRO-1_9.hex"},
         {},
         FirmwareFamily::RelayModule,
         1,
         20,
         {"KLT-MRO-1_9.hex", "klt-mro-2_1.hex"},
         FirmwareScanResult::UpdateOffered},
        {"no mode chosen matches nothing",
         {"klt-rpu_10_6.bin"},
         {},
         FirmwareFamily::None,
         -1,
         0,
         {},
         FirmwareScanResult::NoUpdate},
        {"a candidate without digits",
         {"klt-rpu.bin", "KLT-RPU-new.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {"KLT-RPU-new.bin", "klt-rpu.bin"},
         FirmwareScanResult::VersionUnreadable},
        {"names without digits list first",
         {"klt-rpu.bin", "klt-rpu_0_1.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         0,
         {"klt-rpu.bin", "klt-rpu_0_1.bin"},
         FirmwareScanResult::UpdateOffered},
        {"a version beyond 32 bits lists last",
         {"klt-rpu_99999999999.bin", "klt-rpu_10_6.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {"klt-rpu_10_6.bin", "klt-rpu_99999999999.bin"},
         FirmwareScanResult::VersionUnreadable},
        {"by version, not by text",
         {"klt-rpu_10_10.bin", "klt-rpu_10_9.bin", "klt-rpu_010_8.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         255,
         {"klt-rpu_010_8.bin", "klt-rpu_10_9.bin", "klt-rpu_10_10.bin"},
         FirmwareScanResult::UpdateOffered},
        {"equal versions by name ignoring case",
         {"b-klt-rpu_105", "A-klt-rpu_10_5", "c-klt-rpu_1_05"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {"A-klt-rpu_10_5", "b-klt-rpu_105", "c-klt-rpu_1_05"},
         FirmwareScanResult::UpdateOffered},
        {"hidden entries count too",
         {".klt-rpu_10_5.bin"},
         {},
         FirmwareFamily::Receiver,
         0,
         104,
         {".klt-rpu_10_5.bin"},
         FirmwareScanResult::UpdateOffered},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        for (const QString& name : c.files) {
            QFile file(QDir(folder.path()).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        for (const QString& name : c.folders)
            QDir(folder.path()).mkdir(name);
        const FirmwareScan scan =
            ScanFirmwareFolder(folder.path(), c.family, c.deviceMode, c.deviceVersion);
        EXPECT_EQ(scan.entries, c.entries) << c.what;
        EXPECT_EQ(scan.result, c.result) << c.what;
        EXPECT_EQ(scan.candidate, c.entries.isEmpty() ? QString() : c.entries.last()) << c.what;
    }
}

TEST_F(FirmwareCatalogueTest, CandidateVersionIsReported) {
    Lay({"klt-rpu_10_4.bin", "KLT-RPU_10_6.BIN"});
    const FirmwareScan scan = ScanFirmwareFolder(dir_.path(), FirmwareFamily::Receiver, 0, 106);
    EXPECT_EQ(scan.candidateVersion, 106);
    EXPECT_EQ(scan.result, FirmwareScanResult::NoUpdate);
}

TEST_F(FirmwareCatalogueTest, MissingFolderListsNothing) {
    const FirmwareScan scan = ScanFirmwareFolder(Path("base"), FirmwareFamily::Receiver, 0, 0);
    EXPECT_TRUE(scan.entries.isEmpty());
    EXPECT_EQ(scan.result, FirmwareScanResult::NoUpdate);
}

TEST_F(FirmwareCatalogueTest, FirmwareFolderIsFoundIgnoringCase) {
    EXPECT_EQ(FirmwareFolder(dir_.path()), Path("base"));
    QDir(dir_.path()).mkdir("BASE");
    EXPECT_EQ(FirmwareFolder(dir_.path()), Path("BASE"));
    Put("Base", "a file, not a folder");
    EXPECT_EQ(FirmwareFolder(dir_.path()), Path("BASE"));
    QDir(dir_.path()).mkdir("base");
    EXPECT_EQ(FirmwareFolder(dir_.path()), Path("base"));
}

} // namespace
} // namespace tunbox
