#pragma once

#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>

namespace tunbox {

// The program as if installed in folder: its executable folder/tunbox-rpu-klt
// (the file need not exist), the English module the build made beside it when
// asked, and a language store of its own, so the real user's choice is never
// touched. The own texts are active while it lives and again afterwards.
class ProgramInFolder {
  public:
    explicit ProgramInFolder(const QString& folder, bool withEnglish = true);
    ~ProgramInFolder();
    ProgramInFolder(const ProgramInFolder&) = delete;
    ProgramInFolder& operator=(const ProgramInFolder&) = delete;

    // The module the build made, bin/tunbox-rpu-klt.EN.
    static QString BuiltEnglishModule();

    // Makes code the language as start-up does with it in the settings file.
    void Activate(const QString& code);

    void WriteSettings(const QByteArray& content) const;
    QByteArray Settings() const;

    ProgramPaths paths;
};

// The text that marks a line of the language dialog.
inline constexpr char16_t RussianLine[] = u"Русский";
inline constexpr char16_t EnglishLine[] = u"English";

} // namespace tunbox
