#include "app/LanguageModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace tunbox {

std::unique_ptr<LanguageModule> LanguageModule::Load(const QString& filePath,
                                                     const QString& extension) {
    QFile file(filePath);
    if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    std::unique_ptr<LanguageModule> module(new LanguageModule);
    module->data_ = file.readAll();
    if (file.error() != QFileDevice::NoError ||
        module->data_.size() > std::numeric_limits<int>::max())
        return nullptr;
    // Loading from memory keeps QTranslator from guessing other file names.
    const auto* bytes = reinterpret_cast<const uchar*>(module->data_.constData());
    if (!module->translator_.load(bytes, static_cast<int>(module->data_.size())))
        return nullptr;
    module->extension_ = extension;
    module->filePath_ = filePath;
    return module;
}

std::unique_ptr<LanguageModule> LanguageModule::LoadForExtension(const ProgramPaths& paths,
                                                                 const QString& extension) {
    if (extension.isEmpty() || extension.contains(QLatin1Char('/')) ||
        extension.contains(QLatin1Char('\\')) || extension.contains(QChar()))
        return nullptr;

    QStringList tries{extension};
    if (extension.size() == 3)
        tries.append(extension.left(2));
    for (const QString& candidate : tries) {
        const QString besideProgram = paths.WithExtension(candidate);
        if (auto module = Load(besideProgram, candidate))
            return module;
        if (paths.documentsFolder.isEmpty())
            continue;
        const QString inDocuments =
            QDir(paths.documentsFolder).filePath(QFileInfo(besideProgram).fileName());
        if (auto module = Load(inDocuments, candidate))
            return module;
    }
    return nullptr;
}

QString LanguageModule::Message(int id) const {
    const QByteArray key = QByteArray::number(id);
    return translator_.translate(MessageContext, key.constData());
}

} // namespace tunbox
