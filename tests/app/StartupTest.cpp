#include "app/Startup.h"

#include "app/BuiltInMessages.h"
#include "app/GuardedApplication.h"
#include "app/LanguageState.h"
#include "app/MessageTable.h"

#include "AppTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLocale>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace tunbox {
namespace {

using test::ProgramFixture;

// What the program looked like when its main window was created.
struct AtWindowCreation {
    bool created = false;
    QString currentFolder;
    QString activeExtension;
    QString message10001;
    QString message10051;
    QString applicationName;
    QLocale::Language language = QLocale::AnyLanguage;
};

class StartupTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        GuardedApplication::SetExceptionBox([this](const QString& caption, const QString& text) {
            boxes_.push_back({caption, text});
        });
    }
    void TearDown() override {
        GuardedApplication::SetExceptionBox({});
        ProgramFixture::TearDown();
    }

    // Runs the start-up with a main window that records the state and closes at once.
    int Start() {
        return RunStartup(paths_, [this] {
            seen_.created = true;
            seen_.currentFolder = QDir::currentPath();
            seen_.activeExtension = ActiveResourceExtension();
            seen_.message10001 = Msg(10001);
            seen_.message10051 = Msg(10051);
            seen_.applicationName = QCoreApplication::applicationName();
            seen_.language = QLocale().language();
            auto window = std::make_unique<QWidget>();
            QTimer::singleShot(0, window.get(), &QWidget::close);
            return window;
        });
    }

    struct Box {
        QString caption;
        QString text;
    };
    std::vector<Box> boxes_;
    AtWindowCreation seen_;
};

TEST_F(StartupTest, WithoutSettingsFileStartsInRussianAndRecordsRU) {
    EXPECT_EQ(Start(), 0);

    ASSERT_TRUE(seen_.created);
    EXPECT_EQ(GetCurrentDefaultLocaleReg(), QStringLiteral("RU"));
    EXPECT_EQ(seen_.activeExtension, QString());
    EXPECT_EQ(seen_.message10001, BuiltInMessage(10001));
    EXPECT_EQ(Msg(LastBuiltInMessageId), BuiltInMessage(LastBuiltInMessageId));
    EXPECT_EQ(seen_.currentFolder, QDir(paths_.Folder()).canonicalPath());
    EXPECT_EQ(seen_.applicationName, QStringLiteral("Tunbox-RPU-KLT"));
    // Numbers and dates follow the built-in texts' language, not the desktop's.
    EXPECT_EQ(seen_.language, QLocale::Russian);
    EXPECT_TRUE(boxes_.empty());
    // Reading the language writes nothing.
    EXPECT_FALSE(QFile::exists(paths_.SettingsFile()));
}

TEST_F(StartupTest, LanguageFromTheSettingsFile) {
    struct Case {
        const char* name;
        const char* settings;
        const char* moduleAs; // extension of the installed module, nullptr: none
        const char* recorded;
        const char* active;
        bool moduleTexts;
    };
    const Case cases[] = {
        {"key missing", "[Language]\n[Help]\nRU=a.pdf\n", "EN", "RU", "", false},
        {"RU", "[Language]\nDefault=RU\n", "EN", "RU", "", false},
        {"lower-case ru without module", "[Language]\nDefault=ru\n", nullptr, "ru", "", false},
        {"lower-case ru with a module", "[Language]\nDefault=ru\n", "ru", "ru", "ru", true},
        {"EN with module", "[language]\ndefault=EN\n", "EN", "EN", "EN", true},
        {"EN without module", "[Language]\nDefault=EN\n", nullptr, "EN", "", false},
    };
    for (const Case& c : cases) {
        QDir(paths_.Folder()).removeRecursively();
        QDir().mkpath(paths_.Folder());
        WriteSettings(c.settings);
        if (c.moduleAs)
            InstallModule(QStringLiteral("stops_at_10050"), QString::fromUtf8(c.moduleAs));
        Messages().Clear();
        SetNewResourceFile(QString(), {}, QString());
        seen_ = {};

        EXPECT_EQ(Start(), 0) << c.name;

        EXPECT_EQ(GetCurrentDefaultLocaleReg(), QString::fromUtf8(c.recorded)) << c.name;
        EXPECT_EQ(seen_.activeExtension, QString::fromUtf8(c.active)) << c.name;
        if (c.moduleTexts) {
            EXPECT_EQ(seen_.message10001, QStringLiteral("Message 10001")) << c.name;
            EXPECT_EQ(seen_.message10051, QString()) << c.name;
        } else {
            EXPECT_EQ(seen_.message10001, BuiltInMessage(10001)) << c.name;
            EXPECT_EQ(seen_.message10051, BuiltInMessage(10051)) << c.name;
        }
    }
}

TEST_F(StartupTest, ExceptionDuringStartupIsShownAndTheResultIsZero) {
    struct Case {
        const char* name;
        std::function<void()> thrower;
        QString text;
    };
    const std::vector<Case> cases = {
        {"standard exception", [] { throw std::runtime_error("Нет окна"); },
         QString::fromUtf16(u"Нет окна")},
        {"any other exception", [] { throw 42; }, QString()},
    };
    for (const Case& c : cases) {
        boxes_.clear();
        const int result = RunStartup(paths_, [&c]() -> std::unique_ptr<QWidget> {
            c.thrower();
            return nullptr;
        });
        EXPECT_EQ(result, 0) << c.name;
        ASSERT_EQ(boxes_.size(), 1u) << c.name;
        EXPECT_EQ(boxes_[0].caption, QStringLiteral("Tunbox-RPU-KLT")) << c.name;
        EXPECT_EQ(boxes_[0].text, c.text) << c.name;
    }
}

// An object whose event handler throws on the first event and counts the others.
class ThrowingObject : public QObject {
  public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++handled == 1)
            throw std::runtime_error("handler failed");
        return true;
    }
};

TEST_F(StartupTest, ExceptionInAnEventHandlerIsShownAndTheLoopGoesOn) {
    ThrowingObject object;
    const int result = RunStartup(paths_, [&object] {
        auto window = std::make_unique<QWidget>();
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        QTimer::singleShot(0, window.get(), &QWidget::close);
        return window;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(object.handled, 2);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].caption, QStringLiteral("Tunbox-RPU-KLT"));
    EXPECT_EQ(boxes_[0].text, QStringLiteral("handler failed"));
}

} // namespace
} // namespace tunbox
