#include "app/MessageTableLoader.h"

#include "app/BuiltInMessages.h"
#include "app/LanguageModule.h"
#include "app/LanguageState.h"
#include "app/ProgramPaths.h"

#include <memory>

namespace tunbox {

namespace {

// Cuts text to MaxMessageLength characters without splitting a surrogate pair.
QString Cut(QString text) {
    if (text.size() <= MaxMessageLength)
        return text;
    text.truncate(MaxMessageLength);
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

} // namespace

void FillMessageTable(MessageTable& table, const MessageLookup& source) {
    for (int slot = 0; slot < MessageTable::SlotCount; ++slot) {
        const int id = MessageTable::FirstId + slot;
        const QString text = source(id);
        if (text.isEmpty())
            return;
        table.SetText(id, Cut(text));
    }
}

void LoadMessageTable() {
    const QString code = GetCurrentDefaultLocaleReg();
    std::unique_ptr<LanguageModule> module;
    if (!code.isEmpty() && code != QLatin1String(BuiltInLanguage))
        module = LanguageModule::LoadForExtension(Program(), code);
    // The texts are Unicode from their source to the table: unlike an 8-bit
    // string loader, nothing here depends on the system's code page.
    if (module)
        FillMessageTable(Messages(), [&module](int id) { return module->Message(id); });
    else
        FillMessageTable(Messages(), &BuiltInMessage);
}

} // namespace tunbox
