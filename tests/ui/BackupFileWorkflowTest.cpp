// Backup files on the page "Резервная копия": create from the unit and save,
// load and restore into the unit, delete; on-line and in demo work, through
// the real file layer.
#include "files/FailingSaveFile.h"
#include "files/FilesTestSupport.h"
#include "model/MessageText.h"
#include "model/WorkingImage.h"
#include "support/ProgramFiles.h"
#include "support/QtPrinting.h"
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace tunbox {
namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The backup's identification as the page shows it.
struct Record {
    int mode;
    QString address;
    QString object;
    QString code;
    QString file;
    bool operator==(const Record&) const = default;
};

void PrintTo(const Record& r, std::ostream* os) {
    *os << "{mode " << r.mode << ", address \"" << r.address.toStdString() << "\", object \""
        << r.object.toStdString() << "\", code \"" << r.code.toStdString() << "\", file \""
        << r.file.toStdString() << "\"}";
}

std::vector<quint32> Pattern(std::size_t size, quint32 last) {
    std::vector<quint32> values(size);
    for (std::size_t k = 0; k < size; ++k)
        values[k] = static_cast<quint32>((k * 3) % 256);
    if (size > 0)
        values.back() = last;
    return values;
}

class BackupFileTest : public ::testing::Test {
  protected:
    explicit BackupFileTest(const QDate& today = QDate(2026, 12, 8)) : w(104, today), files(w) {}

    void EnterConnected() {
        w.Connect();
        w.ChoosePage(Page());
        Settle();
    }
    void EnterDemo() {
        w.ChooseWorkMode(CommandColumn::DemoItem);
        w.Click("RPU_rb");
        w.ChoosePage(Page());
        Settle();
    }
    // Forgets the boxes and status texts so far.
    void Settle() {
        w.TakeBoxes();
        w.TakeStatusTexts();
    }
    // "Создать", the mode, "Считать".
    void CreateFromUnit(int mode) {
        w.Click("RegBackupCreateButton");
        w.Click(Page()->RPU_RTRRadioGr->Item(mode));
        w.Click("ReadButton");
        ASSERT_EQ(w.TakeBoxes(), QStringList{Text(10049)});
        Settle();
    }
    void Fill(const QString& address, const QString& object) {
        Page()->ModuleNumCmB->setEditText(address);
        Page()->ObjNumEdit->setText(object);
    }
    void Click(const char* button, const QString& path) {
        w.dialogs.QueueFileName(path);
        w.Click(button);
    }
    Record Shows() const {
        const BackupPage* p = Page();
        return {p->RPU_RTRRadioGr->ItemIndex(), p->ModuleNumCmB->currentText(),
                p->ObjNumEdit->text(), p->ConfCodeLabel2->text(), p->RegFNameLabel2->text()};
    }
    BackupPage* Page() const { return w.window->RegistBackupTabSh; }
    CommandColumn* Commands() const { return w.window->Commands(); }
    std::vector<quint32> Image() const { return w.window->Image().Values(); }
    const FileDialogRequest& LastDialog() const { return w.dialogs.FileDialogs().back().request; }

    SimulatedWindow w;
    ProgramFiles files;
};

class BackupSaveTest : public BackupFileTest {
  protected:
    BackupSaveTest() : BackupFileTest(QDate(2027, 1, 31)) {}
};

// The suggested name carries the identification and the day the program started.
TEST_F(BackupSaveTest, CreateSavesTheUnitsImageUnderItsSuggestedName) {
    w.unit.Memory()[1791] = 77;
    EnterConnected();
    const struct {
        int mode;
        const char* address;
        const char* object;
        const char* name;
    } cases[] = {
        {0, "3", "12", "klt_rpu_3_310127_object_12_conf_77"},
        {1, "150", "A-7", "klt_rtr_150_310127_object_A-7_conf_77"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CreateFromUnit(c.mode);
        ASSERT_TRUE(Commands()->SaveButton->isEnabled());
        Fill(c.address, c.object);
        const QString path = files.Path(QStringLiteral("reg/%1.rrg").arg(c.name));
        Click("SaveButton", path);

        const FileDialogRequest& dialog = LastDialog();
        EXPECT_TRUE(w.dialogs.FileDialogs().back().save);
        EXPECT_EQ(dialog.title, Text(10041));
        EXPECT_EQ(dialog.filter, Text(10027));
        EXPECT_EQ(dialog.filterIndex, 1);
        EXPECT_EQ(dialog.defaultSuffix, "rrg");
        EXPECT_EQ(dialog.initialFolder, files.Path("reg"));
        EXPECT_EQ(dialog.fileName, c.name);
        EXPECT_EQ(Page()->RegFNameLabel2->text(), c.name);

        const std::vector<quint32> image = Image();
        ASSERT_EQ(image.size(), 1792u);
        EXPECT_EQ(ProgramFiles::Bytes(path), NumberText(image));
        EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10040), Text(10043)}));
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
    }
}

// Fields that cannot make a name reading back as themselves are refused with a
// warning before the dialog opens; nothing else happens.
TEST_F(BackupSaveTest, FieldsThatCannotStandInTheNameAreRefusedBeforeTheDialog) {
    EnterConnected();
    const struct {
        const char* what;
        int mode;
        QString address;
        QString object;
        int message;
    } cases[] = {
        {"empty object number", 0, "3", "", 10039},
        {"empty module address", 1, "", "12", 10039},
        {"both empty", 1, "", "", 10039},
        {"object with _", 1, "150", "a_b", 10095},
        {"object with /", 1, "150", "a/b", 10095},
        {"object with \\", 0, "3", "a\\b", 10095},
        {"object with a tab", 0, "3", "a\tb", 10095},
        {"address with _", 1, "1_5", "12", 10096},
        {"address ending in object", 1, "5object", "12", 10096},
        {"name too long", 0, "3", QString(250, u'9'), 10098},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CreateFromUnit(c.mode);
        Fill(c.address, c.object);
        const std::size_t dialogs = w.dialogs.FileDialogs().size();
        w.Click("SaveButton");
        EXPECT_EQ(w.dialogs.FileDialogs().size(), dialogs) << "no dialog";
        EXPECT_EQ(w.TakeBoxes(), QStringList{Text(c.message)});
        EXPECT_EQ(w.dialogs.Messages().back().caption, Text(10013));
        EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Warning);
        EXPECT_TRUE(w.TakeStatusTexts().isEmpty());
        EXPECT_TRUE(Page()->RegFNameLabel2->text().isEmpty());
    }
    EXPECT_TRUE(files.Entries("reg").isEmpty());
}

// A refused overwrite and a save that fails part-way both leave the former
// backup byte for byte.
TEST_F(BackupSaveTest, FormerBackupSurvivesARefusedOverwriteAndAFailedSave) {
    EnterConnected();
    CreateFromUnit(0);
    Fill("3", "12");
    const QByteArray former = NumberText(Pattern(1792, 5));
    const QString path = files.Put("reg/klt_rpu_3_310127_object_12_conf_42.rrg", former);

    w.dialogs.QueueAnswer(MessageAnswer::No);
    Click("SaveButton", path);
    EXPECT_EQ(ProgramFiles::Bytes(path), former);
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10042)});
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10040), Text(10068)}));

    w.window->Work().files.SetSaveFileFactory([](const QString& target) {
        return std::make_unique<test::FailingSaveFile>(target, 4000);
    });
    w.dialogs.QueueAnswer(MessageAnswer::Yes);
    Click("SaveButton", path);
    EXPECT_EQ(ProgramFiles::Bytes(path), former);
    EXPECT_EQ(files.Entries("reg"), QStringList{QFileInfo(path).fileName()});
    EXPECT_EQ(w.TakeBoxes(),
              (QStringList{Text(10042),
                           FormatMessage(Text(10089), {Shown(path), "No space left on device"})}));
    EXPECT_EQ(w.TakeStatusTexts(), QStringList{Text(10040)});
}

// Loading reads the identification back from the name, ignoring case, and
// locks it; the image and the configuration code come from the lines.
TEST_F(BackupFileTest, LoadFillsAndLocksTheFieldsFromTheName) {
    const struct {
        const char* name;
        QByteArray content;
        Record shown;
        int addresses; // in the list
        std::vector<quint32> image;
    } cases[] = {
        {"klt_rtr_150_081226_object_A-7_conf_5.rrg",
         NumberText(Pattern(1792, 5)),
         {1, "150", "A-7", "5", "klt_rtr_150_081226_object_A-7_conf_5.rrg"},
         192,
         Pattern(1792, 5)},
        {"KLT_RPU_2_081226_OBJECT_9_CONF_1.RRG",
         "1\r\n2\r\n17\r\n",
         {0, "2", "9", "17", "KLT_RPU_2_081226_OBJECT_9_CONF_1.RRG"},
         4,
         {1, 2, 17}},
        {"klt_rpu_4_081226_object_77.rrg",
         "8\r9\r255",
         {0, "4", "77.rrg", "255", "klt_rpu_4_081226_object_77.rrg"},
         4,
         {8, 9, 255}},
        {"backup.rrg", "3\n", {-1, "", "", "3", "backup.rrg"}, 0, {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EnterConnected();
        w.Click("RegBackupRestoreButton");
        const QString path = files.Put(QStringLiteral("reg/") + c.name, c.content);
        Click("LoadButton", path);

        EXPECT_EQ(LastDialog().title, Text(10032));
        EXPECT_EQ(LastDialog().filter, Text(10027));
        EXPECT_EQ(LastDialog().defaultSuffix, "rrg");
        EXPECT_EQ(LastDialog().initialFolder, files.Path("reg"));
        EXPECT_EQ(LastDialog().fileName, "") << "no mode chosen on entry";
        EXPECT_EQ(Shows(), c.shown);
        EXPECT_EQ(Page()->ModuleNumCmB->count(), c.addresses);
        EXPECT_FALSE(Page()->ObjNumEdit->isEnabled());
        EXPECT_FALSE(Page()->ModuleNumCmB->isEnabled());
        EXPECT_EQ(Image(), c.image);
        EXPECT_TRUE(Commands()->WriteButton->isEnabled());
        EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10031), Text(10033)}));
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
        w.Click("DisconnectButton");
    }
}

TEST_F(BackupFileTest, OpenDialogsListTheNamesOfTheChosenMode) {
    EnterConnected();
    w.Click("RegBackupRestoreButton");
    Click("LoadButton", files.Put("reg/klt_rtr_5_081226_object_1_conf_0.rrg", "0\r\n"));
    Click("LoadButton", {});
    EXPECT_EQ(LastDialog().fileName, "klt_rtr_*");
    Page()->RPU_RTRRadioGr->SetItemIndex(0);
    w.dialogs.QueueFileName({});
    w.window->Work().backupFiles.DeleteBackupFile();
    EXPECT_EQ(LastDialog().fileName, "klt_rpu_*");
    EXPECT_EQ(LastDialog().title, Text(10026));
    EXPECT_EQ(LastDialog().initialFolder, files.Path("reg"));
}

TEST_F(BackupFileTest, CancelledLoadStillOffersTheNextStep) {
    EnterConnected();
    w.Click("RegBackupRestoreButton");
    Click("LoadButton", {});
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10031), Text(10070)}));
    EXPECT_TRUE(Commands()->WriteButton->isEnabled());
    EXPECT_FALSE(Commands()->SaveButton->isEnabled());
}

// Restore on the simulated unit: "Восстановить", "Загрузить", "Записать".
TEST_F(BackupFileTest, RestoreWritesTheLoadedFileIntoTheUnit) {
    EnterConnected();
    const std::vector<quint32> image = Pattern(1792, 33);
    const QString path = files.Put("reg/klt_rpu_1_081226_object_5_conf_33.rrg", NumberText(image));
    w.Click("RegBackupRestoreButton");
    Click("LoadButton", path);
    w.Click("WriteButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10046)});
    for (std::size_t k = 0; k < image.size(); ++k)
        ASSERT_EQ(w.unit.Memory()[k], image[k]) << k;
}

// A file whose values are no bytes loads (the file is what it is), but nothing
// of it goes to the unit.
TEST_F(BackupFileTest, LoadedValuesThatAreNoBytesAreNeverWritten) {
    EnterConnected();
    const struct {
        const char* what;
        std::size_t line; // from 0
        const char* text;
    } cases[] = {{"300", 5, "300"}, {"-1", 1791, "-1"}, {"1791 lines", 1791, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines;
        for (const quint32 value : Pattern(1792, 1))
            lines.append(QString::number(value));
        if (c.text)
            lines[static_cast<qsizetype>(c.line)] = QString::fromLatin1(c.text);
        else
            lines.removeLast();
        const QString path = files.Put("reg/klt_rpu_1_081226_object_5_conf_1.rrg", LineText(lines));
        w.Click("RegBackupRestoreButton");
        Click("LoadButton", path);
        ASSERT_TRUE(Commands()->WriteButton->isEnabled());
        const auto memory = w.unit.Memory();
        const unsigned writes = w.transport.Writes();
        Settle();
        w.Click("WriteButton");
        EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10100)});
        EXPECT_EQ(w.transport.Writes(), writes);
        EXPECT_EQ(w.unit.Memory(), memory);
        EXPECT_TRUE(Commands()->DisconnectButton->isEnabled());
    }
}

// A registration image read from the unit and not yet saved survives a load
// that fails: the image, the page and the buttons stay as they were.
TEST_F(BackupFileTest, FailedLoadKeepsTheImageReadFromTheUnit) {
    EnterConnected();
    CreateFromUnit(0);
    const std::vector<quint32> fromUnit = Image();
    ASSERT_EQ(fromUnit.size(), 1792u);
    const QString notNumbers =
        files.Put("reg/klt_rpu_1_081226_object_5_conf_9.rrg", "1\r\n2\r\nthree\r\n9\r\n");
    const QString locked = files.Put("reg/klt_rpu_2_081226_object_5_conf_9.rrg", "1\r\n9\r\n");
    QFile::setPermissions(locked, QFile::WriteOwner);
    files.OpenToOthers();
    const struct {
        const char* what;
        QString path;
        std::function<QString()> box; // asked as the user that loads
    } cases[] = {
        {"a line that is no number", notNumbers,
         [&] {
             return FormatMessage(Text(10101), {Shown(notNumbers), 3});
         }},
        {"missing", files.Path("reg/gone.rrg"),
         [&] {
             const QString gone = files.Path("reg/gone.rrg");
             return FormatMessage(Text(10088), {Shown(gone), ProgramFiles::OpenError(gone)});
         }},
        {"unreadable", locked,
         [&] {
             return FormatMessage(Text(10088), {Shown(locked), ProgramFiles::OpenError(locked)});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.Click("RegBackupRestoreButton");
        const Record before = Shows();
        QStringList boxes;
        QString expected;
        {
            test::ScopedUnprivileged unprivileged;
            if (!unprivileged.Active())
                GTEST_SKIP() << "cannot leave the super-user";
            w.window->SetStatusText({});
            Click("LoadButton", c.path);
            boxes = w.TakeBoxes();
            expected = c.box();
        }
        EXPECT_EQ(boxes, QStringList{expected});
        EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Error);
        EXPECT_EQ(Image(), fromUnit);
        EXPECT_EQ(Shows(), before);
        EXPECT_FALSE(Commands()->WriteButton->isEnabled());
        EXPECT_EQ(w.TakeStatusTexts(), QStringList{Text(10031)});
    }
}

// Demo work: a backup loaded without a unit can be saved under another name.
TEST_F(BackupFileTest, DemoLoadsABackupAndSavesItUnderAnotherName) {
    EnterDemo();
    ASSERT_TRUE(Commands()->LoadButton->isEnabled());
    // A value no unit holds is copied as the file has it.
    const QByteArray content = "-1\r\n" + NumberText(Pattern(1791, 5));
    const QString source = files.Put("reg/klt_rtr_150_010126_object_A-7_conf_5.rrg", content);
    Click("LoadButton", source);
    EXPECT_TRUE(Commands()->SaveButton->isEnabled());
    EXPECT_FALSE(Commands()->WriteButton->isEnabled());

    const QString copy = files.Path("reg/copy.rrg");
    Click("SaveButton", copy);
    EXPECT_EQ(LastDialog().fileName, "klt_rtr_150_081226_object_A-7_conf_5") << "today's date";
    EXPECT_EQ(ProgramFiles::Bytes(copy), content);
    EXPECT_EQ(w.TakeStatusTexts(),
              (QStringList{Text(10031), Text(10033), Text(10040), Text(10043)}));
    EXPECT_TRUE(w.TakeBoxes().isEmpty());
}

TEST_F(BackupFileTest, CreatePressedOverALoadedBackupEmptiesIt) {
    EnterConnected();
    w.Click("RegBackupRestoreButton");
    Click("LoadButton", files.Put("reg/klt_rtr_150_081226_object_A-7_conf_5.rrg", "5\r\n"));
    ASSERT_EQ(Shows().address, "150");
    w.Click("RegBackupCreateButton");
    EXPECT_EQ(Shows(), (Record{-1, "", "", "", ""}));
    EXPECT_EQ(Page()->ModuleNumCmB->count(), 0);
}

// "Удалить": the dialog, the question 10028 naming the file, the deletion.
TEST_F(BackupFileTest, DeleteAsksFirstAndReportsWhatBecameOfTheFile) {
    const char* name = "klt_rpu_1_081226_object_5_conf_9.rrg";
    const struct {
        const char* what;
        bool existing;
        bool chosen;
        MessageAnswer answer;
        bool readOnlyFolder;
        bool gone;
        QStringList status;
    } cases[] = {
        {"confirmed", true, true, MessageAnswer::Yes, false, true, {Text(10026), Text(10029)}},
        {"refused", true, true, MessageAnswer::No, false, false, {Text(10026), Text(10069)}},
        {"cancelled", true, false, MessageAnswer::No, false, false, {Text(10026), Text(10069)}},
        {"deleted meanwhile",
         false,
         true,
         MessageAnswer::Yes,
         false,
         true,
         {Text(10026), Text(10029)}},
        {"read-only folder", true, true, MessageAnswer::Yes, true, false, {Text(10026)}},
    };
    EnterConnected();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = files.Path(QStringLiteral("reg/") + name);
        QFile::remove(path);
        if (c.existing)
            files.Put(QStringLiteral("reg/") + name, "1\r\n");
        if (c.chosen)
            w.dialogs.QueueAnswer(c.answer);
        files.OpenToOthers();
        if (c.readOnlyFolder)
            QFile::setPermissions(files.Path("reg"), QFile::ReadOwner | QFile::ExeOwner |
                                                         QFile::ReadGroup | QFile::ExeGroup |
                                                         QFile::ReadOther | QFile::ExeOther);
        w.window->SetStatusText({});
        QStringList boxes;
        {
            std::optional<test::ScopedUnprivileged> unprivileged;
            if (c.readOnlyFolder) {
                unprivileged.emplace();
                if (!unprivileged->Active())
                    GTEST_SKIP() << "cannot leave the super-user";
            }
            Click("RegBackupDeleteButton", c.chosen ? path : QString());
            boxes = w.TakeBoxes();
        }
        files.OpenToOthers();
        EXPECT_EQ(QFileInfo::exists(path), !c.gone);
        EXPECT_EQ(w.TakeStatusTexts(), c.status);
        QStringList expectedBoxes;
        if (c.chosen)
            expectedBoxes.append(FormatMessage(Text(10028), {QString::fromLatin1(name)}));
        if (c.readOnlyFolder) {
            ASSERT_EQ(boxes.size(), 2);
            const QString named = FormatMessage(Text(10090), {Shown(path), ""});
            EXPECT_TRUE(boxes[1].startsWith(named) && boxes[1].size() > named.size())
                << boxes[1].toStdString();
            boxes.removeLast();
        }
        EXPECT_EQ(boxes, expectedBoxes);
        EXPECT_TRUE(Page()->RegFNameLabel2->text().isEmpty()) << "the record is emptied after";
        EXPECT_FALSE(Commands()->WriteButton->isEnabled());
        EXPECT_FALSE(Commands()->LoadButton->isEnabled());
    }
}

} // namespace
} // namespace tunbox
