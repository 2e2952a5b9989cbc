#include "files/BackupFileName.h"

#include <gtest/gtest.h>

namespace tunbox {

// Readable failure output for parsed names.
inline void PrintTo(const BackupNameParts& p, std::ostream* os) {
    *os << "{mode " << static_cast<int>(p.mode) << ", module '" << p.moduleAddress.toStdString()
        << "', object '" << p.objectNumber.toStdString() << "', conf '" << p.confCode.toStdString()
        << "'}";
}

namespace {

TEST(DateTag, DayMonthAndTwoDigitYearBetweenUnderscores) {
    EXPECT_EQ(DateTag(QDate(2027, 1, 31)), "_310127_");
    EXPECT_EQ(DateTag(QDate(2026, 12, 8)), "_081226_");
    EXPECT_EQ(DateTag(QDate(2100, 2, 1)), "_010200_");
}

TEST(SuggestedBackupName, PiecesInOrderAndOnlyTheCodeWithoutAMode) {
    EXPECT_EQ(SuggestedBackupName(BackupMode::Rpu, "3", DateTag(QDate(2027, 1, 31)), "12", "77"),
              "klt_rpu_3_310127_object_12_conf_77");
    EXPECT_EQ(SuggestedBackupName(BackupMode::Rtr, "17", "_081226_", "0042", "5"),
              "klt_rtr_17_081226_object_0042_conf_5");
    EXPECT_EQ(SuggestedBackupName(BackupMode::None, "17", "_081226_", "0042", "5"), "_conf_5");
}

TEST(ParseBackupFileName, ModeModuleObjectAndCodeIgnoringCase) {
    struct Case {
        const char16_t* name;
        BackupNameParts parts;
    };
    const Case cases[] = {
        {u"klt_rtr_150_081226_object_A-7_conf_5.rrg", {BackupMode::Rtr, "150", "A-7", "5"}},
        {u"KLT_RPU_2_081226_OBJECT_9_CONF_1.RRG", {BackupMode::Rpu, "2", "9", "1"}},
        {u"klt_rpu_3_310127_object_12_conf_77.rrg", {BackupMode::Rpu, "3", "12", "77"}},
        // Both prefixes: "klt_rtr_" wins, its first occurrence starts the address.
        {u"klt_rtr_9_klt_rpu_4_object_1.rrg", {BackupMode::Rtr, "9", "1.rrg", ""}},
        {u"klt_rpu_4_klt_rtr_9_object_1_conf_2", {BackupMode::Rtr, "9", "1", "2"}},
        // The scans end at the end of the name.
        {u"klt_rpu_12", {BackupMode::Rpu, "12", "", ""}},
        {u"klt_rpu_", {BackupMode::Rpu, "", "", ""}},
        {u"x_object_", {BackupMode::None, "", "", ""}},
        {u"x_object_ab", {BackupMode::None, "", "ab", ""}},
        {u"_conf_77.rrg", {BackupMode::None, "", "", "77"}},
        {u"_conf_1_conf_2.rrg", {BackupMode::None, "", "", "2"}},
        {u"backup.rrg", {BackupMode::None, "", "", ""}},
        {u"", {BackupMode::None, "", "", ""}},
        // Values keep the name's own spelling; letters whose lower case is longer
        // do not shift the positions.
        {u"\u0130klt_RTR_Ab\u0130_object_\u0130x_conf_3",
         {BackupMode::Rtr, QString::fromUtf16(u"Ab\u0130"), QString::fromUtf16(u"\u0130x"), "3"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBackupFileName(QString::fromUtf16(c.name)), c.parts)
            << QString::fromUtf16(c.name).toStdString();
}

TEST(CheckBackupName, RefusesFieldsThatCannotBeReadBackFromTheName) {
    struct Case {
        BackupMode mode;
        const char16_t* module;
        const char16_t* object;
        const char16_t* conf;
        BackupNameCheck check;
    };
    const Case cases[] = {
        {BackupMode::Rpu, u"3", u"12", u"77", BackupNameCheck::Ok},
        {BackupMode::Rtr, u"150", u"A-7 корпус 2", u"5", BackupNameCheck::Ok},
        {BackupMode::Rpu, u"3", u"", u"77", BackupNameCheck::MissingField},
        {BackupMode::Rpu, u"", u"12", u"77", BackupNameCheck::MissingField},
        {BackupMode::None, u"", u"", u"77", BackupNameCheck::MissingField},
        {BackupMode::Rpu, u"3", u"1_2", u"77", BackupNameCheck::BadObjectNumber},
        {BackupMode::Rpu, u"3", u"1/2", u"77", BackupNameCheck::BadObjectNumber},
        {BackupMode::Rpu, u"3", u"1\\2", u"77", BackupNameCheck::BadObjectNumber},
        {BackupMode::Rpu, u"3", u"1\t2", u"77", BackupNameCheck::BadObjectNumber},
        {BackupMode::Rpu, u"3", u"1\u007F", u"77", BackupNameCheck::BadObjectNumber},
        {BackupMode::Rtr, u"1_5", u"12", u"77", BackupNameCheck::BadModuleAddress},
        {BackupMode::Rtr, u"../5", u"12", u"77", BackupNameCheck::BadModuleAddress},
        {BackupMode::Rtr, u"5\n", u"12", u"77", BackupNameCheck::BadModuleAddress},
        {BackupMode::Rtr, u"5", u"12", u"7/7", BackupNameCheck::BadConfCode},
        // "object" + "_" would start the object number inside the address.
        {BackupMode::Rpu, u"object", u"7", u"5", BackupNameCheck::BadModuleAddress},
        {BackupMode::Rtr, u"5Object", u"7", u"5", BackupNameCheck::BadModuleAddress},
        {BackupMode::Rtr, u"objects", u"object", u"5", BackupNameCheck::Ok},
        // Without a mode the fields are not part of the name.
        {BackupMode::None, u"1_5", u"a/b", u"77", BackupNameCheck::Ok},
    };
    for (const Case& c : cases) {
        const QString module = QString::fromUtf16(c.module);
        const QString object = QString::fromUtf16(c.object);
        EXPECT_EQ(CheckBackupName(c.mode, module, "_310127_", object, QString::fromUtf16(c.conf)),
                  c.check)
            << module.toStdString() << " / " << object.toStdString();
    }
}

TEST(CheckBackupName, NameLongerThanTheFileSystemTakesIsRefused) {
    // "klt_rpu_3_310127_object_" + object + "_conf_77.rrg" = 36 bytes + object.
    EXPECT_EQ(CheckBackupName(BackupMode::Rpu, "3", "_310127_", QString(219, u'9'), "77"),
              BackupNameCheck::Ok);
    EXPECT_EQ(CheckBackupName(BackupMode::Rpu, "3", "_310127_", QString(220, u'9'), "77"),
              BackupNameCheck::NameTooLong);
    // Counted in bytes: a Cyrillic letter takes two.
    EXPECT_EQ(CheckBackupName(BackupMode::Rpu, "3", "_310127_", QString(110, u'ж'), "77"),
              BackupNameCheck::NameTooLong);
}

TEST(CheckBackupName, EveryAcceptedNameReadsBackItsFields) {
    const char16_t* objects[] = {u"12", u"A-7", u"OBJECT", u"klt", u"объект 5", u"conf", u".."};
    const char16_t* modules[] = {u"1", u"196", u"x", u"KLT"};
    for (BackupMode mode : {BackupMode::Rpu, BackupMode::Rtr})
        for (const char16_t* m : modules)
            for (const char16_t* o : objects) {
                const QString module = QString::fromUtf16(m);
                const QString object = QString::fromUtf16(o);
                ASSERT_EQ(CheckBackupName(mode, module, "_081226_", object, "5"),
                          BackupNameCheck::Ok);
                const QString name =
                    SuggestedBackupName(mode, module, "_081226_", object, "5") + ".rrg";
                EXPECT_EQ(ParseBackupFileName(name), (BackupNameParts{mode, module, object, "5"}))
                    << name.toStdString();
            }
}

TEST(ModuleAddress, ListAndRangeOfEachMode) {
    EXPECT_EQ(ModuleAddressList(BackupMode::Rpu), QStringList({"1", "2", "3", "4"}));
    const QStringList rtr = ModuleAddressList(BackupMode::Rtr);
    ASSERT_EQ(rtr.size(), 192);
    EXPECT_EQ(rtr.first(), "5");
    EXPECT_EQ(rtr.last(), "196");
    EXPECT_TRUE(ModuleAddressList(BackupMode::None).isEmpty());

    struct Case {
        const char* text;
        bool rpu;
        bool rtr;
    };
    const Case cases[] = {
        {"", true, true},     {"0", false, false},  {"1", true, false},    {"4", true, false},
        {"5", false, true},   {"196", false, true}, {"197", false, false}, {"x", false, false},
        {"-1", false, false}, {"2x", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModuleAddressAllowed(BackupMode::Rpu, c.text), c.rpu) << c.text;
        EXPECT_EQ(ModuleAddressAllowed(BackupMode::Rtr, c.text), c.rtr) << c.text;
        EXPECT_TRUE(ModuleAddressAllowed(BackupMode::None, c.text)) << c.text;
    }
}

TEST(BackupOpenPattern, PrefixOfTheModeAndAStar) {
    EXPECT_EQ(BackupOpenPattern(BackupMode::Rpu), "klt_rpu_*");
    EXPECT_EQ(BackupOpenPattern(BackupMode::Rtr), "klt_rtr_*");
    EXPECT_EQ(BackupOpenPattern(BackupMode::None), "");
}

} // namespace
} // namespace tunbox
