// Runs the tunbox-settings executable as support staff would.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList out; // stdout lines
    QStringList err; // stderr lines
};

QStringList Lines(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

ToolRun RunTool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TUNBOX_SETTINGS_TOOL), args);
    EXPECT_TRUE(p.waitForFinished(30000)) << args.join(' ').toStdString();
    ToolRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = Lines(p.readAllStandardOutput());
    r.err = Lines(p.readAllStandardError());
    return r;
}

QStringList Numbers(const std::vector<unsigned>& values) {
    QStringList lines;
    for (unsigned v : values)
        lines.append(QString::number(v));
    return lines;
}

// One line per value, joined with blanks so a failure shows the values.
std::string Joined(const QStringList& lines) {
    return lines.join(u' ').toStdString();
}

// The factory defaults as a settings file holds them (96 values).
std::vector<unsigned> Defaults() {
    std::vector<unsigned> v = {5, 5, 5, 5, 5,   5, 5, 5,   6, 6, 6,   6, 6, 6, 6,
                               6, 0, 0, 0, 0,   0, 7, 0,   3, 0, 0,   0, 3, 3, 0,
                               0, 0, 4, 0, 255, 0, 0, 255, 0, 0, 255, 0, 7, 7, 4};
    v.resize(96, 0);
    return v;
}

class SettingsTool : public testing::Test {
  protected:
    // Writes lines with CR LF, as the program writes settings files.
    QString File(const QString& name, const QStringList& lines) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            f.write(line.toLatin1() + "\r\n");
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsTool, DefaultsPrintTheFactoryImageOfEachPage) {
    std::vector<unsigned> rtr = Defaults();
    rtr[41] = 10; // output 3 in mode "Звуковой": the minute list starts at code 10
    const ToolRun r = RunTool({"defaults", "rtr"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Joined(r.out), Joined(Numbers(rtr)));
    EXPECT_TRUE(r.err.isEmpty());

    std::vector<unsigned> rpu(96, 0);
    rpu[49] = 0x5A;
    const ToolRun p = RunTool({"defaults", "rpu"});
    EXPECT_EQ(p.exitCode, 0);
    EXPECT_EQ(Joined(p.out), Joined(Numbers(rpu)));
}

TEST_F(SettingsTool, NormalizeRepacksThroughAFreshPage) {
    std::vector<unsigned> in = Defaults();
    in[20] = 300;  // never read, packed as 0
    in[50] = 0x11; // the other page's bytes are dropped by this page
    QStringList lines = Numbers(in);
    lines.append("trailing line beyond 96 is ignored");
    const ToolRun r = RunTool({"normalize", "rtr", File("in.cfg", lines)});
    EXPECT_EQ(r.exitCode, 0);
    std::vector<unsigned> expected = Defaults();
    expected[41] = 10;
    EXPECT_EQ(Joined(r.out), Joined(Numbers(expected)));

    // The receiver page keeps its own bytes: output 1 follows sources 1 and 2, in
    // mode "Тревога" (button 5), whose rule presets the alarm box; the file's
    // times override the rule's preset times.
    std::vector<unsigned> rpuIn(96, 0);
    rpuIn[50] = 0x11;
    rpuIn[93] = 5;
    std::vector<unsigned> rpuOut = rpuIn;
    rpuOut[49] = 0x55;
    rpuOut[77] = 1;
    const ToolRun p = RunTool({"normalize", "rpu", File("rpu.cfg", Numbers(rpuIn))});
    EXPECT_EQ(p.exitCode, 0);
    EXPECT_EQ(Joined(p.out), Joined(Numbers(rpuOut)));
}

// The tool reads a file as the program does: lines end at CR LF, CR or LF.
TEST_F(SettingsTool, EveryLineEndingReadsTheSame) {
    const QByteArray crlf = Numbers(Defaults()).join("\r\n").toLatin1() + "\r\n";
    const ToolRun expected = RunTool({"normalize", "rtr", File("crlf.cfg", Numbers(Defaults()))});
    ASSERT_EQ(expected.exitCode, 0);
    for (const char* ending : {"\r", "\n"}) {
        const QString path = dir_.filePath("other.cfg");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(crlf).replace("\r\n", ending));
        f.close();
        const ToolRun r = RunTool({"normalize", "rtr", path});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(Joined(r.out), Joined(expected.out));
    }
}

TEST_F(SettingsTool, ModeClicksAModeBetweenUnpackAndPack) {
    // Relay 1 to "Исполнительный": close time 10 s, only OnOffLine preset.
    std::vector<unsigned> rtr = Defaults();
    rtr[21] = 6;
    rtr[23] = 2;
    rtr[26] = 1;
    rtr[27] = 2;
    rtr[28] = 2;
    rtr[33] = 20;
    rtr[34] = 0;
    rtr[41] = 10;
    rtr[42] = 6;
    const ToolRun r = RunTool({"mode", "rtr", File("in.cfg", Numbers(Defaults())), "1", "5"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Joined(r.out), Joined(Numbers(rtr)));

    // Output 3 to "Звуковой" on the receiver page: duration 2 min, inverted.
    std::vector<unsigned> rpu(96, 0);
    rpu[49] = 0x55;
    rpu[77] = 4;
    rpu[83] = 4;
    rpu[91] = 255;
    rpu[92] = 24;
    rpu[95] = 4;
    const ToolRun p =
        RunTool({"mode", "rpu", File("zero.cfg", Numbers(std::vector<unsigned>(96, 0))), "3", "3"});
    EXPECT_EQ(p.exitCode, 0);
    EXPECT_EQ(Joined(p.out), Joined(Numbers(rpu)));
}

// The context decides whether the minute duration list of a sound output is
// selectable, so byte 41 (output 3's duration) packs as the minute list's first
// code 10 or as nothing chosen.
TEST_F(SettingsTool, ModeContextIsWhatTheRulesSeeOfTheWindow) {
    const struct {
        const char* context;
        unsigned byte41;
    } cases[] = {{"none", 0}, {"demo", 10}, {"rpu", 0}, {"rtr", 10}, {"mro", 10}};
    const QString file = File("ctx.cfg", Numbers(Defaults()));
    for (const auto& c : cases) {
        const ToolRun r = RunTool({"mode", "--context", c.context, "rtr", file, "3", "3"});
        ASSERT_EQ(r.exitCode, 0) << c.context;
        ASSERT_EQ(r.out.size(), 96) << c.context;
        EXPECT_EQ(r.out.at(41), QString::number(c.byte41)) << c.context;
    }
    const ToolRun plain = RunTool({"mode", "rtr", file, "3", "3"});
    EXPECT_EQ(plain.out.value(41), "0") << "no context is the window without a unit";
    EXPECT_EQ(RunTool({"mode", "--context", "usb", "rtr", file, "3", "3"}).exitCode, 2);
    EXPECT_EQ(RunTool({"normalize", "--context", "demo", "rtr", file}).exitCode, 2)
        << "only the mode command takes a context";
}

TEST_F(SettingsTool, FailuresPrintOneLineAndExitWithTheirCode) {
    std::vector<unsigned> badMask = Defaults();
    badMask[16] = 8;
    QStringList negative = Numbers(Defaults());
    negative[5] = "-1";
    QStringList nonNumeric = Numbers(Defaults());
    nonNumeric[10] = "5x";
    const QStringList shortFile = Numbers(Defaults()).mid(0, 95);

    const struct {
        QStringList args;
        int exitCode;
        QString err; // whole line, or empty when only the count of lines matters
    } cases[] = {
        {{"normalize", "rtr", File("bad.cfg", Numbers(badMask))},
         1,
         "Ошибка в данных, считанных с прибора (Байт №16=8). Программа завершает свою работу."},
        {{"mode", "rtr", File("neg.cfg", negative), "2", "6"},
         1,
         "Ошибка в данных, считанных с прибора (Байт №5=-1). Программа завершает свою работу."},
        {{"normalize", "rpu", File("short.cfg", shortFile)}, 2, {}},
        {{"normalize", "rtr", File("text.cfg", nonNumeric)}, 2, {}},
        {{"normalize", "rtr", dir_.filePath("missing.cfg")}, 2, {}},
        {{"defaults", "mro"}, 2, {}},
        {{"mode", "rtr", File("ok.cfg", Numbers(Defaults())), "4", "1"}, 2, {}},
        {{"mode", "rpu", File("ok2.cfg", Numbers(Defaults())), "1", "7"}, 2, {}},
    };
    for (const auto& c : cases) {
        const ToolRun r = RunTool(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        ASSERT_EQ(r.err.size(), 1) << what;
        if (!c.err.isEmpty()) {
            EXPECT_EQ(r.err.at(0), c.err) << what;
        }
    }
}

} // namespace
