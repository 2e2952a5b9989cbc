#include "app/AvailableLanguages.h"

#include "app/LanguageLocale.h"
#include "app/LanguageState.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <set>

namespace tunbox {

namespace {

// Every extension some locale gives a module, in a stable order.
const QStringList& CandidateExtensions() {
    static const QStringList candidates = [] {
        std::set<QString> unique;
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale& locale : locales) {
            for (const QString& extension : ExtensionsOfLocale(locale))
                unique.insert(extension);
        }
        return QStringList(unique.begin(), unique.end());
    }();
    return candidates;
}

QStringList ModulesIn(const QString& folder, const QString& moduleBase) {
    QStringList found;
    if (folder.isEmpty())
        return found;
    const QDir dir(folder);
    for (const QString& extension : CandidateExtensions()) {
        if (QFileInfo(dir.filePath(moduleBase + QLatin1Char('.') + extension)).isFile())
            found.append(extension);
    }
    return found;
}

} // namespace

QStringList AvailableResourceExtensions(const ProgramPaths& paths) {
    if (paths.executable.isEmpty())
        return {};
    // The module's file name without its extension, as ReplaceExtension makes it.
    const QString moduleBase =
        QFileInfo(paths.WithExtension(QStringLiteral("X"))).completeBaseName();
    QStringList found = ModulesIn(paths.Folder(), moduleBase);
    if (found.isEmpty())
        found = ModulesIn(paths.documentsFolder, moduleBase);
    return found;
}

void CheckResourceCount() {
    if (AvailableResourceExtensions(Program()).isEmpty())
        throw ResourceError();
}

LanguageChoice LanguageChoices(const QString& builtInExtension) {
    LanguageChoice choice;
    choice.items.push_back({QString(), NativeLanguageText(builtInExtension)});
    for (const QString& extension : AvailableResourceExtensions(Program())) {
        if (extension.compare(builtInExtension, Qt::CaseInsensitive) != 0)
            choice.items.push_back({extension, NativeLanguageText(extension)});
    }
    QCollator collator(QLocale::c());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(choice.items.begin(), choice.items.end(),
                     [&collator](const LanguageItem& a, const LanguageItem& b) {
                         return collator.compare(a.text, b.text) < 0;
                     });

    const auto indexOf = [&choice](const QString& extension) {
        const auto found = std::find_if(
            choice.items.begin(), choice.items.end(),
            [&extension](const LanguageItem& item) { return item.extension == extension; });
        return found == choice.items.end() ? -1 : static_cast<int>(found - choice.items.begin());
    };
    choice.selected = indexOf(ActiveResourceExtension());
    if (choice.selected < 0)
        choice.selected = std::max(indexOf(QString()), 0);
    return choice;
}

} // namespace tunbox
