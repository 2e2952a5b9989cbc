// "Сохранить" and "Загрузить" on both output settings pages, in demo work and
// on the simulated unit, through the real file layer.
#include "files/FailingSaveFile.h"
#include "files/FileMessages.h"
#include "files/FilesTestSupport.h"
#include "model/MessageText.h"
#include "model/PageRules.h"
#include "model/WorkingImage.h"
#include "support/ProgramFiles.h"
#include "support/QtPrinting.h"
#include "support/SimulatedWindow.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

namespace tunbox {
namespace {

constexpr std::size_t SettingsAt = 7 * 256;

std::vector<quint32> Packed(const OutputSettingsPage& page) {
    std::vector<quint32> block(256, 0);
    page.Pack(block);
    return block;
}

// How the boxes name a file.
QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

class SettingsFileTest : public ::testing::Test {
  protected:
    // Demo work with the mode button that offers page.
    void EnterDemo(OutputSettingsPage* page) {
        w.ChooseWorkMode(CommandColumn::DemoItem);
        w.Click(page == w.window->ReleSettingsTabSh ? "RTR_rb" : "RPU_rb");
        w.ChoosePage(page);
        w.TakeStatusTexts();
        w.TakeBoxes();
    }
    OutputSettingsPage* Rele() const { return w.window->ReleSettingsTabSh; }
    OutputSettingsPage* Rpu() const { return w.window->ReleSettingsTabRPU; }
    // A state the factory settings do not have, so a load is seen.
    void ChangePage(OutputSettingsPage* page) {
        SettingsPageModel& model = page->Model();
        if (page == Rele()) {
            ASSERT_TRUE(model.SetMode(2, 5));
            ASSERT_TRUE(model.SetBindingChecked(1, 2, true));
        } else {
            ASSERT_TRUE(model.SetMode(1, 4));
            ASSERT_TRUE(model.SetBindingChecked(1, 7, true));
        }
    }
    void Save(const QString& path) {
        w.dialogs.QueueFileName(path);
        w.Click("SaveButton");
    }
    void Load(const QString& path) {
        w.dialogs.QueueFileName(path);
        w.Click("LoadButton");
    }
    std::vector<quint32> Image() const { return w.window->Image().Values(); }

    SimulatedWindow w;
    ProgramFiles files{w};
};

// The dialog of every save and load: title, filter, suffix and the folder "conf".
TEST_F(SettingsFileTest, DialogsOpenInTheConfFolderWithTheirTitleAndFilter) {
    EnterDemo(Rpu());
    Save({});
    Load({});
    ASSERT_EQ(w.dialogs.FileDialogs().size(), 2u);
    const ShownFileDialog& save = w.dialogs.FileDialogs()[0];
    const ShownFileDialog& load = w.dialogs.FileDialogs()[1];
    EXPECT_TRUE(save.save);
    EXPECT_FALSE(load.save);
    for (const ShownFileDialog* dialog : {&save, &load}) {
        EXPECT_EQ(dialog->request.filter, Text(10036));
        EXPECT_EQ(dialog->request.filterIndex, 1);
        EXPECT_EQ(dialog->request.defaultSuffix, "cfg");
        EXPECT_EQ(dialog->request.initialFolder, files.Path("conf"));
    }
    EXPECT_EQ(save.request.title, Text(10044));
    EXPECT_EQ(load.request.title, Text(10035));
    EXPECT_TRUE(load.request.fileName.isEmpty());
    EXPECT_EQ(w.TakeStatusTexts(),
              (QStringList{Text(10044), Text(10068), Text(10034), Text(10070)}));
    EXPECT_TRUE(w.TakeBoxes().isEmpty());
    EXPECT_TRUE(files.Entries("conf").isEmpty());
}

// The suggested name: the mode buttons in demo work, the unit's kind on-line.
TEST(SettingsFileNames, SaveSuggestsTheNameOfTheModeOrTheUnit) {
    const struct {
        bool demo;
        std::uint8_t version;
        const char* modeButton; // clicked before the page is entered; none for MRO units
        bool relePage;
        const char* name;
    } cases[] = {
        {true, 104, "RPU_rb", false, "klt_rpu_auto"}, {true, 104, "RTR_rb", true, "klt_rtr"},
        {true, 104, "MRO_rb", true, "klt_mro"},       {false, 104, "RPU_rb", false, "klt_rpu_auto"},
        {false, 104, "RTR_rb", true, "klt_rtr"},      {false, 25, nullptr, true, "klt_mro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.demo ? "demo " : "on-line ") +
                     (c.modeButton ? c.modeButton : "relay module"));
        SimulatedWindow w(c.version);
        if (c.demo)
            w.ChooseWorkMode(CommandColumn::DemoItem);
        else
            w.Connect();
        if (c.modeButton)
            w.Click(c.modeButton);
        w.ChoosePage(c.relePage ? static_cast<QWidget*>(w.window->ReleSettingsTabSh)
                                : static_cast<QWidget*>(w.window->ReleSettingsTabRPU));
        w.dialogs.QueueFileName({});
        w.Click("SaveButton");
        ASSERT_EQ(w.dialogs.FileDialogs().size(), 1u);
        EXPECT_EQ(w.dialogs.FileDialogs()[0].request.fileName, QString::fromLatin1(c.name));
        const QStringList status = w.TakeStatusTexts();
        ASSERT_GE(status.size(), 2);
        EXPECT_EQ(status.mid(status.size() - 2), (QStringList{Text(10044), Text(10068)}));
    }
}

// A save writes the active page alone: 96 lines with CR LF, every byte the
// page does not fill 0, and the working image holds the same 96 values.
TEST_F(SettingsFileTest, SaveWritesTheActivePagesImageAs96Lines) {
    const struct {
        bool relePage;
        bool changed;
        quint32 mark; // line 50 of the receiver page: 0x5A for all zero, else 0x55
    } cases[] = {{false, false, 90}, {false, true, 85}, {true, false, 0}, {true, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.relePage ? "relay page" : "receiver page") +
                     (c.changed ? ", changed" : ", factory settings"));
        OutputSettingsPage* page = c.relePage ? Rele() : Rpu();
        EnterDemo(page);
        if (c.changed)
            ChangePage(page);
        const QString path = files.Path(c.relePage ? "conf/rele.cfg" : "conf/rpu.cfg");
        QFile::remove(path);
        Save(path);

        std::vector<quint32> expected = Packed(*page);
        expected.resize(96);
        const QByteArray bytes = ProgramFiles::Bytes(path);
        EXPECT_EQ(bytes, NumberText(expected));
        EXPECT_EQ(bytes.count("\r\n"), 96);
        EXPECT_EQ(Image(), expected);
        for (std::size_t k = c.relePage ? 45 : 0; k < (c.relePage ? 96u : 49u); ++k)
            ASSERT_EQ(expected[k], 0u) << "line " << k + 1;
        if (!c.relePage) {
            EXPECT_EQ(expected[49], c.mark);
        }
        EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10044), Text(10045)}));
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
    }
}

TEST_F(SettingsFileTest, RefusedOverwriteLeavesTheFileByteForByte) {
    EnterDemo(Rele());
    const QByteArray former = "former\r\n12\r\n\xff\x00tail";
    const QString path = files.Put("conf/klt_rtr.cfg", former);
    w.dialogs.QueueAnswer(MessageAnswer::No);
    Save(path);
    EXPECT_EQ(ProgramFiles::Bytes(path), former);
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10044), Text(10068)}));
    ASSERT_EQ(w.dialogs.Messages().size(), 1u);
    const ShownMessage& question = w.dialogs.Messages()[0];
    EXPECT_EQ(question.caption, Text(10013));
    EXPECT_EQ(question.text, Text(10042));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(Image().size(), 96u) << "the working image took the page's values all the same";

    w.dialogs.QueueAnswer(MessageAnswer::Yes);
    Save(path);
    EXPECT_EQ(ProgramFiles::Bytes(path), NumberText(Image()));
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10044), Text(10045)}));
    EXPECT_EQ(files.Entries("conf"), QStringList{"klt_rtr.cfg"});
}

// A save that fails part-way (a full disk) leaves the former file, or no file,
// exactly as it was, and an error box names the file and the system's reason.
TEST_F(SettingsFileTest, SaveThatFailsPartWayLosesNothing) {
    EnterDemo(Rpu());
    const QByteArray former = NumberText(std::vector<quint32>(96, 7));
    for (const qint64 failAfter : {0, 1, 100, 250}) {
        for (const bool existing : {true, false}) {
            SCOPED_TRACE(std::to_string(failAfter) + (existing ? " over a file" : " new file"));
            const QString path = files.Path("conf/a.cfg");
            QFile::remove(path);
            if (existing)
                files.Put("conf/a.cfg", former);
            w.window->Work().files.SetSaveFileFactory([failAfter](const QString& target) {
                return std::make_unique<test::FailingSaveFile>(target, failAfter);
            });
            if (existing)
                w.dialogs.QueueAnswer(MessageAnswer::Yes);
            w.window->SetStatusText({}); // the same text again shows as a change
            Save(path);
            EXPECT_EQ(files.Entries("conf"), existing ? QStringList{"a.cfg"} : QStringList{});
            if (existing) {
                EXPECT_EQ(ProgramFiles::Bytes(path), former);
            }
            EXPECT_EQ(w.TakeBoxes().value(existing ? 1 : 0),
                      FormatMessage(Text(10089), {Shown(path), "No space left on device"}));
            EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Error);
            EXPECT_EQ(w.dialogs.Messages().back().caption, Text(10001));
            EXPECT_EQ(w.TakeStatusTexts(), QStringList{Text(10044)}) << "no success reported";
        }
    }
}

TEST_F(SettingsFileTest, SaveIntoAReadOnlyFolderLosesNothing) {
    EnterDemo(Rele());
    const QByteArray former = "1\r\n";
    const QString path = files.Put("conf/a.cfg", former);
    files.OpenToOthers();
    // The file itself may be written; only the folder refuses the save's new file.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(files.Path("conf"), QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup |
                                                  QFile::ReadOther | QFile::ExeOther);
    QStringList boxes;
    QStringList status;
    {
        test::ScopedUnprivileged unprivileged;
        if (!unprivileged.Active())
            GTEST_SKIP() << "cannot leave the super-user";
        w.dialogs.QueueAnswer(MessageAnswer::Yes);
        Save(path);
        status += w.TakeStatusTexts();
        w.window->SetStatusText({});
        Save(files.Path("conf/new.cfg"));
        status += w.TakeStatusTexts();
        boxes = w.TakeBoxes();
    }
    files.OpenToOthers();
    EXPECT_EQ(ProgramFiles::Bytes(path), former);
    EXPECT_EQ(files.Entries("conf"), QStringList{"a.cfg"});
    ASSERT_EQ(boxes.size(), 3) << boxes.join('\n').toStdString();
    EXPECT_EQ(boxes[0], Text(10042));
    // The file named, then the system's reason.
    const QString first = FormatMessage(Text(10089), {Shown(path), ""});
    const QString second = FormatMessage(Text(10089), {Shown(files.Path("conf/new.cfg")), ""});
    EXPECT_TRUE(boxes[1].startsWith(first) && boxes[1].size() > first.size())
        << boxes[1].toStdString();
    EXPECT_TRUE(boxes[2].startsWith(second) && boxes[2].size() > second.size())
        << boxes[2].toStdString();
    EXPECT_EQ(status, (QStringList{Text(10044), Text(10044)})) << "no success reported";
}

// Saved from one page and loaded on the same or the other page, with any line
// ending and lines beyond the 96th: the page shows what the file says.
TEST_F(SettingsFileTest, SavedFileLoadsBackOnEitherPage) {
    EnterDemo(Rpu());
    ChangePage(Rpu());
    const std::vector<quint32> rpuSaved = Packed(*Rpu());
    const QString path = files.Path("conf/klt_rpu_auto.cfg");
    Save(path);
    const QByteArray saved = ProgramFiles::Bytes(path);

    const struct {
        const char* what;
        QByteArray content;
    } cases[] = {
        {"as saved", saved},
        {"CR only", QByteArray(saved).replace("\r\n", "\r")},
        {"LF only", QByteArray(saved).replace("\r\n", "\n")},
        {"100 lines", saved + "1\r\n2\r\nnot a number\r\n300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString copy = files.Put("conf/copy.cfg", c.content);
        Rpu()->ApplyFactoryDefaults();
        w.TakeStatusTexts();
        Load(copy);
        EXPECT_EQ(Packed(*Rpu()), rpuSaved);
        EXPECT_EQ(Image(), std::vector<quint32>(rpuSaved.begin(), rpuSaved.begin() + 96));
        EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10034), Text(10038)}));
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
    }

    // The relay page reads bytes 0..44 of the receiver page's file: zeros.
    w.ChoosePage(w.window->MainTabSh);
    w.Click("RTR_rb");
    w.ChoosePage(Rele());
    ChangePage(Rele());
    Load(path);
    std::vector<quint32> expected(256, 0);
    const std::array<quint32, 96> zeros{};
    SettingsPageModel fresh(ReleRules());
    fresh.SetContextSource([&] { return Rele()->Model().Context(); });
    ASSERT_EQ(fresh.Unpack(zeros, w.window->BadDataEnd()), UnpackResult::Ok);
    fresh.Pack(expected);
    EXPECT_EQ(Packed(*Rele()), expected);
    EXPECT_TRUE(w.TakeBoxes().isEmpty());
}

// Loading clears the event and binding boxes before it unpacks, so whatever
// the page showed before, the same file gives the same page.
TEST_F(SettingsFileTest, LoadGivesTheSamePageWhateverThePageShowedBefore) {
    for (OutputSettingsPage* page : {Rele(), Rpu()}) {
        SCOPED_TRACE(page->objectName().toStdString());
        EnterDemo(page);
        ChangePage(page);
        const QString path = files.Path("conf/page.cfg");
        QFile::remove(path);
        Save(path);

        page->ApplyFactoryDefaults();
        Load(path);
        const PageState fromDefaults = page->Model().State();

        // Every box the user can click, checked.
        PageState everything = page->Model().State();
        for (OutputState& output : everything.outputs) {
            for (CheckState& event : output.events)
                event.checked = event.enabled;
            for (CheckState& binding : output.bindings)
                binding.checked = binding.enabled;
        }
        page->Model().SetState(everything);
        Load(path);
        EXPECT_EQ(page->Model().State(), fromDefaults);
        EXPECT_TRUE(w.TakeBoxes().isEmpty());
    }
}

// A file the page cannot take is refused as a whole: the page, the working
// image and the buttons stay as they were, the status line keeps 10034, and an
// error box names the file and what is wrong with it.
TEST_F(SettingsFileTest, RefusedFileChangesNeitherThePageNorTheWorkingImage) {
    auto with = [&](std::size_t k, const QByteArray& text) {
        QByteArray content;
        for (std::size_t i = 0; i < 96; ++i)
            content += (i == k ? text : QByteArray("0")) + "\r\n";
        return content;
    };
    const struct {
        const char* what;
        bool relePage;
        QByteArray content;
        std::function<QString(const QString& file)> box;
    } cases[] = {
        {"95 lines", true, NumberText(std::vector<quint32>(95, 0)),
         [](const QString& f) { return FormatMessage(Text(10092), {f}); }},
        {"empty file", false, "", [](const QString& f) { return FormatMessage(Text(10092), {f}); }},
        {"text in line 7", true, with(6, "x"),
         [](const QString& f) {
             return FormatMessage(Text(10093), {f, 7});
         }},
        {"empty line 96", false, with(95, ""),
         [](const QString& f) {
             return FormatMessage(Text(10093), {f, 96});
         }},
        {"300 in a partition mask", true, with(0, "300"),
         [](const QString& f) {
             return FormatMessage(Text(10094), {f, 0, 300});
         }},
        {"-1 in a partition mask", true, with(5, "-1"),
         [](const QString& f) {
             return FormatMessage(Text(10094), {f, 5, -1});
         }},
        {"300 in a source binding", false, with(50, "300"),
         [](const QString& f) {
             return FormatMessage(Text(10094), {f, 50, 300});
         }},
        {"-1 in a mode", false, with(93, "-1"),
         [](const QString& f) {
             return FormatMessage(Text(10094), {f, 93, -1});
         }},
    };
    const QList<QPushButton*> buttons = w.window->findChildren<QPushButton*>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OutputSettingsPage* page = c.relePage ? Rele() : Rpu();
        EnterDemo(page);
        ChangePage(page);
        const PageState before = page->Model().State();
        w.window->Image().Refill({1, 2, 3});
        QList<bool> enabled;
        for (const QPushButton* button : buttons)
            enabled.append(button->isEnabled());

        const QString path = files.Put("conf/bad.cfg", c.content);
        Load(path);
        EXPECT_EQ(page->Model().State(), before);
        EXPECT_EQ(Image(), (std::vector<quint32>{1, 2, 3}));
        EXPECT_EQ(w.TakeStatusTexts(), QStringList{Text(10034)});
        EXPECT_EQ(w.TakeBoxes(), QStringList{c.box(Shown(path))});
        EXPECT_EQ(w.dialogs.Messages().back().icon, MessageIcon::Error);
        EXPECT_EQ(w.dialogs.Messages().back().caption, Text(10001));
        for (qsizetype i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i]->isEnabled(), enabled[i])
                << buttons[i]->objectName().toStdString();
    }
}

TEST_F(SettingsFileTest, UnreadableFileChangesNothing) {
    EnterDemo(Rpu());
    ChangePage(Rpu());
    const PageState before = Rpu()->Model().State();
    w.window->Image().Refill({4, 5});
    w.TakeStatusTexts();
    const QString locked = files.Put("conf/locked.cfg", NumberText(std::vector<quint32>(96, 0)));
    QFile::setPermissions(locked, QFile::WriteOwner);
    files.OpenToOthers();
    const QString missing = files.Path("conf/missing.cfg");
    QStringList boxes;
    QStringList reasons;
    {
        test::ScopedUnprivileged unprivileged;
        if (!unprivileged.Active())
            GTEST_SKIP() << "cannot leave the super-user";
        Load(locked);
        w.window->SetStatusText({});
        Load(missing);
        boxes = w.TakeBoxes();
        reasons = {ProgramFiles::OpenError(locked), ProgramFiles::OpenError(missing)};
    }
    EXPECT_EQ(Rpu()->Model().State(), before);
    EXPECT_EQ(Image(), (std::vector<quint32>{4, 5}));
    ASSERT_FALSE(reasons[0].isEmpty());
    ASSERT_FALSE(reasons[1].isEmpty());
    EXPECT_EQ(boxes, (QStringList{FormatMessage(Text(10088), {Shown(locked), reasons[0]}),
                                  FormatMessage(Text(10088), {Shown(missing), reasons[1]})}));
    EXPECT_EQ(w.TakeStatusTexts(), (QStringList{Text(10034), Text(10034)}));
}

// On the simulated unit: the page read from the unit is saved, changed, loaded
// back and written: the unit receives what the file said.
TEST(SettingsFileOnLine, FileLoadedOnTheRelayPageIsWhatTheUnitReceives) {
    SimulatedWindow w;
    ProgramFiles files(w);
    w.Connect();
    w.Click("RTR_rb");
    w.ChoosePage(w.window->ReleSettingsTabSh);
    OutputSettingsPage* page = w.window->ReleSettingsTabSh;
    ASSERT_TRUE(page->Model().SetMode(1, 4));
    const std::vector<quint32> saved = Packed(*page);
    const QString path = files.Path("conf/klt_rtr.cfg");
    w.dialogs.QueueFileName(path);
    w.Click("SaveButton");
    ASSERT_EQ(ProgramFiles::Bytes(path).count("\r\n"), 96);

    page->ApplyFactoryDefaults();
    w.dialogs.QueueFileName(path);
    w.Click("LoadButton");
    EXPECT_EQ(Packed(*page), saved);
    w.Click("WriteButton");
    EXPECT_EQ(w.TakeBoxes(), QStringList{Text(10048)});
    for (std::size_t k = 0; k < 45; ++k)
        EXPECT_EQ(w.unit.Memory()[SettingsAt + k], saved[k]) << k;
}

TEST_F(SettingsFileTest, OnTheMainPageTheFileButtonsDoNothing) {
    w.ChooseWorkMode(CommandColumn::DemoItem);
    w.TakeStatusTexts();
    w.window->Work().files.SaveButtonClick();
    w.window->Work().files.LoadButtonClick();
    EXPECT_TRUE(w.dialogs.FileDialogs().empty());
    EXPECT_TRUE(w.TakeStatusTexts().isEmpty());
}

} // namespace
} // namespace tunbox
