// Keeps the translations of the window texts and of the message catalogue complete:
//   tunbox-translations update CATALOGUE.ts
//       brings the catalogue's translation source up to the program's table
//       (new ids and changed texts marked unfinished, for a translator to finish);
//   tunbox-translations check CATALOGUE.ts [WINDOW.ts FOUND.ts]
//       lists every catalogue message, and with the window texts' translation
//       and the texts lupdate found in the sources every window text, that has no
//       finished translation or other placeholders; exit code 1 when any.
#include "TranslationCheck.h"
#include "TsFile.h"

#include "app/BuiltInMessages.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int Usage(QTextStream& err) {
    err << "usage: tunbox-translations update CATALOGUE.ts\n"
           "       tunbox-translations check CATALOGUE.ts [WINDOW.ts FOUND.ts]\n";
    return 2;
}

std::optional<tunbox::TsFile> Read(const QString& path, QTextStream& err) {
    QString error;
    std::optional<tunbox::TsFile> file = tunbox::ReadTsFile(path, &error);
    if (!file)
        err << path << ": " << error << '\n';
    return file;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const tunbox::OwnText own = &tunbox::BuiltInMessage;
    const int first = tunbox::FirstBuiltInMessageId;
    const int last = tunbox::LastBuiltInMessageId;

    if (args.size() == 2 && args[0] == QLatin1String("update")) {
        std::optional<tunbox::TsFile> existing = Read(args[1], err);
        if (!existing)
            return 1;
        const tunbox::TsFile updated = tunbox::UpdatedCatalogue(*existing, own, first, last);
        if (!tunbox::WriteTsFile(args[1], updated)) {
            err << "cannot write " << args[1] << '\n';
            return 1;
        }
        int unfinished = 0;
        for (const tunbox::TsMessage& message : updated.messages)
            unfinished += message.Finished() ? 0 : 1;
        QTextStream(stdout) << args[1] << ": " << updated.messages.size() << " messages, "
                            << unfinished << " to translate\n";
        return 0;
    }
    if (!args.isEmpty() && args[0] == QLatin1String("check") &&
        (args.size() == 2 || args.size() == 4)) {
        std::optional<tunbox::TsFile> catalogue = Read(args[1], err);
        if (!catalogue)
            return 1;
        QStringList problems = tunbox::CatalogueProblems(*catalogue, own, first, last);
        if (args.size() == 4) {
            const std::optional<tunbox::TsFile> window = Read(args[2], err);
            const std::optional<tunbox::TsFile> found = Read(args[3], err);
            if (!window || !found)
                return 1;
            problems += tunbox::WindowTextProblems(*window, *found);
        }
        for (const QString& problem : problems)
            err << problem << '\n';
        return problems.isEmpty() ? 0 : 1;
    }
    return Usage(err);
}
