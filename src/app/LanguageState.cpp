#include "app/LanguageState.h"

#include "app/LanguageLocale.h"
#include "app/LanguageModule.h"
#include "app/ProgramPaths.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace tunbox {

namespace {

// The module whose translator is installed on the application, null while the
// program's own texts are in use.
std::unique_ptr<LanguageModule>& ActiveModule() {
    static std::unique_ptr<LanguageModule> module;
    return module;
}

// The per-user store of language choices. Each program path is one key under the
// group "Languages"; QSettings keeps the '/' of the path as its own separator, so
// the key reads back exactly as it was written.
std::unique_ptr<QSettings> OpenStore() {
    const QString& file = Program().languageStore;
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tunbox"), QStringLiteral("Tunbox-RPU-KLT"));
}

QString StoreKey(const QString& fileName) {
    return QStringLiteral("Languages/") + fileName;
}

// Qt's own texts (standard buttons, file dialogs, context menus) in the language
// of locale, from the Qt translations installed with Qt; none for a language Qt
// has no translation of, so its texts stay English.
std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void ApplyQtTranslations(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        translator.reset();
    std::unique_ptr<QTranslator>& active = QtTranslator();
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    if (active)
        QCoreApplication::removeTranslator(active.get());
    active = std::move(translator);
}

void ApplyLocale(const QString& extension) {
    const std::optional<QLocale> locale = LocaleForExtension(extension);
    if (!locale)
        return;
    QLocale::setDefault(*locale);
    ApplyQtTranslations(*locale);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(locale->textDirection());
}

} // namespace

bool SetNewResourceFile(const QString& locale, ResourceOptions /*options*/,
                        const QString& defaultLocale) {
    std::unique_ptr<LanguageModule> module;
    if (!locale.isEmpty()) {
        module = LanguageModule::LoadForExtension(Program(), locale);
        if (!module)
            return false;
    }

    // Windows retranslate on the LanguageChange events that installing and
    // removing a translator queue for them, so they see the finished swap.
    std::unique_ptr<LanguageModule>& active = ActiveModule();
    if (module)
        QCoreApplication::installTranslator(&module->Translator());
    if (active)
        QCoreApplication::removeTranslator(&active->Translator());
    active = std::move(module);

    ApplyLocale(locale.isEmpty() ? defaultLocale : locale);
    return true;
}

QString ActiveResourceExtension() {
    const std::unique_ptr<LanguageModule>& active = ActiveModule();
    return active ? active->Extension() : QString();
}

bool SetDefaultLocaleReg(const QString& fileName, const QString& locale) {
    if (fileName.isEmpty())
        return false;
    const std::unique_ptr<QSettings> store = OpenStore();
    store->setValue(StoreKey(fileName), locale);
    store->sync();
    return store->status() == QSettings::NoError;
}

QString GetCurrentDefaultLocaleReg() {
    if (Program().executable.isEmpty())
        return {};
    return OpenStore()->value(StoreKey(Program().executable)).toString();
}

bool SetCurrentDefaultLocaleReg() {
    return SetDefaultLocaleReg(Program().executable, ActiveResourceExtension());
}

} // namespace tunbox
