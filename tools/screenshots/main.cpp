// Renders the main window in each of its states, and the message boxes it
// shows, to PNG files, offscreen:
//   tunbox-screenshots OUTDIR
#include "ScreenshotDialogs.h"
#include "ScreenshotStates.h"

#include "app/BuiltInMessages.h"
#include "app/MessageTable.h"
#include "app/Startup.h"
#include "link/SimulatedUnit.h"
#include "model/FactoryDefaults.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Message boxes as the window shows them, for a look at their texts.
struct BoxPicture {
    const char* name;
    int caption;
    int text;
    tunbox::MessageIcon icon;
    tunbox::MessageButtons buttons;
};

const BoxPicture BoxPictures[] = {
    {"90-box-exit-question", 10013, 10012, tunbox::MessageIcon::Question,
     tunbox::MessageButtons::YesNo},
    {"91-box-update-question", 10013, 10062, tunbox::MessageIcon::Question,
     tunbox::MessageButtons::YesNo},
};

std::vector<std::uint8_t> FactorySettingsBytes() {
    const auto& defaults = tunbox::FactoryDefaults();
    return {defaults.begin(), defaults.end()};
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tunbox-screenshots OUTDIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    // The language and the catalogue as a first start of the program sets them.
    tunbox::ActivateLanguage(QString::fromLatin1(tunbox::BuiltInLanguage));

    int failures = 0;
    const auto save = [&](QWidget& widget, const QString& name) {
        widget.show();
        QApplication::processEvents();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (widget.grab().save(file)) {
            QTextStream(stdout) << file << '\n';
        } else {
            err << "cannot write " << file << '\n';
            ++failures;
        }
    };

    // The window makes its folders in the program folder; keep them out of the build.
    QTemporaryDir programDir;
    for (const tunbox::ScreenshotState& state : tunbox::ScreenshotStates()) {
        tunbox::SimulatedUnit unit(104, FactorySettingsBytes());
        tunbox::ScreenshotDialogs dialogs;
        tunbox::MainWindow window(tunbox::WindowServices{unit, dialogs, programDir.path()});
        window.show();
        state.prepare(window);
        save(window, state.name);
    }
    for (const BoxPicture& picture : BoxPictures) {
        const auto box =
            tunbox::MakeMessageBox(nullptr, tunbox::Msg(picture.caption), tunbox::Msg(picture.text),
                                   picture.icon, picture.buttons);
        save(*box, QString::fromLatin1(picture.name));
    }
    return failures == 0 ? 0 : 1;
}
