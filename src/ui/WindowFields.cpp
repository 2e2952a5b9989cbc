#include "ui/WindowFields.h"

#include "files/BackupFileName.h"
#include "files/FirmwareCatalogue.h"
#include "model/SettingsLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tunbox {

void SetProgramFields(WindowFields& fields, const QString& programDir, const QDate& today) {
    fields.ProgramDir = programDir;
    fields.OutputCount = OutputCount;
    fields.ReleImageLength = ReleImageLength;
    fields.SettingsImageLength = SettingsImageLength;
    fields.DateTag = DateTag(today);
    fields.RpuFilePrefix = QLatin1String(RpuFilePrefix);
    fields.RtrFilePrefix = QLatin1String(RtrFilePrefix);
    fields.ObjectFilePrefix = QLatin1String(ObjectFilePrefix);
    fields.ConfTag = QLatin1String(ConfTag);
}

void CreateProgramFolders(const QString& programDir) {
    const QDir base(programDir);
    for (const char* name : {"reg", "base", "conf"}) {
        const QString folder = QString::fromLatin1(name);
        // The firmware folder counts in any case ("BASE" too): a second, empty
        // "base" beside it would hide the user's firmware files.
        const QString existing =
            folder == QLatin1String("base") ? FirmwareFolder(programDir) : base.filePath(folder);
        if (QFileInfo(existing).isDir())
            continue;
        if (!base.mkdir(folder))
            continue;
        QFile::setPermissions(base.filePath(folder), QFile::permissions(base.filePath(folder)) |
                                                         QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner);
    }
}

} // namespace tunbox
