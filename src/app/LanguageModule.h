#pragma once

#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <memory>

namespace tunbox {

// Translation context that holds the message catalogue in a language module: each
// message is keyed by its id as source text ("10001", "10002", ...). Window texts
// use the ordinary contexts of their classes' tr() calls.
inline constexpr char MessageContext[] = "Messages";

// A language module: a Qt .qm file named after the executable with the language
// extension as its file extension (tunbox-rpu-klt.EN). The file is read whole into
// memory and parsed as data only; nothing in it is ever executed.
class LanguageModule {
  public:
    // Loads the module file at filePath; nullptr when it is missing or not a module.
    static std::unique_ptr<LanguageModule> Load(const QString& filePath, const QString& extension);

    // Finds and loads the module for a language extension: the file beside the
    // executable, else the same file name in the documents subfolder; for a
    // three-letter extension both places again without its last letter. nullptr
    // when none loads, and for an empty extension or one that names a folder.
    static std::unique_ptr<LanguageModule> LoadForExtension(const ProgramPaths& paths,
                                                            const QString& extension);

    // The extension under which the module was found (e.g. "EN" when "ENU" was asked).
    const QString& Extension() const { return extension_; }
    const QString& FilePath() const { return filePath_; }
    QTranslator& Translator() { return translator_; }

    // The module's text of message id, empty when the module does not have it.
    QString Message(int id) const;

  private:
    LanguageModule() = default;

    QByteArray data_; // the translator reads from this buffer for its whole life
    QTranslator translator_;
    QString extension_;
    QString filePath_;
};

} // namespace tunbox
