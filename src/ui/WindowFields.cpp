#include "ui/WindowFields.h"

#include "files/BackupFileName.h"
#include "model/SettingsLayout.h"

#include <QDir>
#include <QFile>

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
        if (base.exists(folder))
            continue;
        if (!base.mkdir(folder))
            continue;
        QFile::setPermissions(base.filePath(folder), QFile::permissions(base.filePath(folder)) |
                                                         QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner);
    }
}

} // namespace tunbox
