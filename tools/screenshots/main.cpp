// Renders the main window in each of its states to PNG files, offscreen:
//   tunbox-screenshots OUTDIR
#include "ScreenshotDialogs.h"
#include "ScreenshotStates.h"

#include "app/BuiltInMessages.h"
#include "app/MessageTable.h"
#include "link/SimulatedUnit.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv)
{
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
    for (int id = tunbox::FirstBuiltInMessageId; id <= tunbox::LastBuiltInMessageId; ++id)
        tunbox::Messages().SetText(id, tunbox::BuiltInMessage(id));

    // The window makes its folders in the program folder; keep them out of the build.
    QTemporaryDir programDir;
    int failures = 0;
    for (const tunbox::ScreenshotState& state : tunbox::ScreenshotStates()) {
        tunbox::SimulatedUnit unit(104);
        tunbox::ScreenshotDialogs dialogs;
        tunbox::MainWindow window(tunbox::WindowServices{unit, dialogs, programDir.path()});
        window.show();
        state.prepare(window);
        QApplication::processEvents();
        const QString file = out.filePath(state.name + QStringLiteral(".png"));
        if (window.grab().save(file)) {
            QTextStream(stdout) << file << '\n';
        } else {
            err << "cannot write " << file << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
