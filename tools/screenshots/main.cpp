// Renders the main window in each of its states, the message boxes it shows and
// the language dialog to PNG files, offscreen: first in the program's own
// language into OUTDIR, then, when the English module lies beside the tool, in
// English into OUTDIR/en. Names restrict the pictures to those states:
//   tunbox-screenshots OUTDIR [NAME...]
#include "ScreenshotDialogs.h"
#include "ScreenshotStates.h"

#include "app/AvailableLanguages.h"
#include "app/BuiltInMessages.h"
#include "app/LanguageState.h"
#include "app/MessageTable.h"
#include "app/ProgramPaths.h"
#include "app/Startup.h"
#include "link/SimulatedUnit.h"
#include "model/FactoryDefaults.h"
#include "ui/LanguageDialog.h"
#include "ui/LanguageWorkflow.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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
    {"92-box-overwrite-question", 10013, 10042, tunbox::MessageIcon::Question,
     tunbox::MessageButtons::YesNo},
};

const char LanguageDialogPicture[] = "30-language-dialog";

std::vector<std::uint8_t> FactorySettingsBytes() {
    const auto& defaults = tunbox::FactoryDefaults();
    return {defaults.begin(), defaults.end()};
}

class Renderer {
  public:
    Renderer(QStringList names, QTextStream& err) : names_(std::move(names)), err_(err) {}

    // Every picture asked for, in the language active now, into out.
    void RenderAll(const QDir& out) {
        if (!out.mkpath(QStringLiteral("."))) {
            err_ << "cannot create " << out.path() << '\n';
            ++failures_;
            return;
        }
        for (const tunbox::ScreenshotState& state : tunbox::ScreenshotStates()) {
            if (!Wanted(state.name))
                continue;
            tunbox::SimulatedUnit unit(104, FactorySettingsBytes());
            tunbox::ScreenshotDialogs dialogs;
            for (const QString& file : state.chosenFiles)
                dialogs.QueueFileName(QDir(programDir_.path()).filePath(file));
            tunbox::MainWindow window(tunbox::WindowServices{unit, dialogs, programDir_.path()});
            window.show();
            state.prepare(window);
            Save(window, out, state.name);
        }
        for (const BoxPicture& picture : BoxPictures) {
            if (!Wanted(QString::fromLatin1(picture.name)))
                continue;
            const auto box =
                tunbox::MakeMessageBox(nullptr, tunbox::Msg(picture.caption),
                                       tunbox::Msg(picture.text), picture.icon, picture.buttons);
            Save(*box, out, QString::fromLatin1(picture.name));
        }
        if (Wanted(QString::fromLatin1(LanguageDialogPicture))) {
            tunbox::LanguageDialog dialog(tunbox::DialogRequest(
                tunbox::LanguageChoices(QString::fromLatin1(tunbox::BuiltInLanguage))));
            Save(dialog, out, QString::fromLatin1(LanguageDialogPicture));
        }
    }

    int Failures() const { return failures_; }

  private:
    bool Wanted(const QString& name) const { return names_.isEmpty() || names_.contains(name); }

    void Save(QWidget& widget, const QDir& out, const QString& name) {
        widget.show();
        QApplication::processEvents();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (widget.grab().save(file)) {
            QTextStream(stdout) << file << '\n';
        } else {
            err_ << "cannot write " << file << '\n';
            ++failures_;
        }
    }

    QStringList names_;
    QTextStream& err_;
    int failures_ = 0;
    // The window makes its folders in the program folder; keep them out of the build.
    QTemporaryDir programDir_;
};

// Makes code the language as the program's start-up would with it in its settings file.
void Activate(const tunbox::ProgramPaths& paths, const QString& code) {
    tunbox::SetDefaultLocaleReg(paths.executable, code);
    tunbox::ActivateLanguage(code);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: tunbox-screenshots OUTDIR [NAME...]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList names;
    for (int i = 2; i < argc; ++i)
        names.append(QString::fromLocal8Bit(argv[i]));

    // The program as if it stood beside the tool, where the build puts the
    // language modules; its language choice goes to a store of its own, so the
    // user's choice is never touched.
    QTemporaryDir store;
    tunbox::ProgramPaths paths;
    paths.executable =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tunbox-rpu-klt"));
    paths.languageStore = store.filePath(QStringLiteral("languages.conf"));
    tunbox::SetProgramPaths(paths);

    Renderer renderer(names, err);
    Activate(paths, QString::fromLatin1(tunbox::BuiltInLanguage));
    renderer.RenderAll(out);

    const QString english = QStringLiteral("EN");
    if (QFileInfo(paths.WithExtension(english)).isFile()) {
        Activate(paths, english);
        if (tunbox::ActiveResourceExtension() != english) {
            err << "cannot load " << paths.WithExtension(english) << '\n';
            return 1;
        }
        renderer.RenderAll(QDir(out.filePath(QStringLiteral("en"))));
    }
    return renderer.Failures() == 0 ? 0 : 1;
}
