// Any text as a backup file name, and any three texts as the fields of a save.
// Parsing must stay within the name; a save the name check lets through must read
// back the mode, module address and object number it was given.
#include "files/BackupFileName.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tunbox;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const BackupNameParts parts = ParseBackupFileName(text);
    for (const QString* piece : {&parts.moduleAddress, &parts.objectNumber, &parts.confCode})
        if (piece->size() > text.size() || piece->contains(u'_'))
            std::abort();

    // Split at "|": the length of the first piece picks the mode, then the module
    // address, the object number and, when given, the configuration code.
    const QStringList fields = text.split(u'|');
    if (fields.size() < 3)
        return 0;
    const BackupMode mode = fields[0].size() % 3 == 0
                                ? BackupMode::Rpu
                                : (fields[0].size() % 3 == 1 ? BackupMode::Rtr : BackupMode::None);
    const QString& module = fields[1];
    const QString& object = fields[2];
    const QString conf = fields.size() > 3 ? fields[3] : QStringLiteral("5");
    ModuleAddressAllowed(mode, module);
    if (CheckBackupName(mode, module, DateTag(QDate(2026, 12, 8)), object, conf) !=
        BackupNameCheck::Ok)
        return 0;
    const QString name =
        SuggestedBackupName(mode, module, DateTag(QDate(2026, 12, 8)), object, conf) + ".rrg";
    const BackupNameParts back = ParseBackupFileName(name);
    if (mode != BackupMode::None &&
        (back.mode != mode || back.moduleAddress != module || back.objectNumber != object))
        std::abort();
    return 0;
}
