#include "ui/WindowFields.h"

#include "model/SettingsLayout.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace tunbox {

void SetProgramFields(WindowFields& fields, const QString& programDir, const QDate& today) {
    fields.ProgramDir = programDir;
    fields.OutputCount = OutputCount;
    fields.ReleImageLength = ReleImageLength;
    fields.SettingsImageLength = SettingsImageLength;
    fields.DateTag = MakeDateTag(today, QLocale().dateFormat(QLocale::ShortFormat));
    fields.RpuFilePrefix = QStringLiteral("klt_rpu_");
    fields.RtrFilePrefix = QStringLiteral("klt_rtr_");
    fields.ObjectFilePrefix = QStringLiteral("object_");
    fields.ConfTag = QStringLiteral("_conf_");
}

QString MakeDateTag(const QDate& date, const QString& shortDateFormat) {
    QString text = QLocale().toString(date, shortDateFormat);
    if (text.size() > 6) {
        text.remove(2, 1);
        text.remove(4, 3);
    }
    static const QString notInFileNames = QStringLiteral("/\\:*?\"<>|");
    text.removeIf(
        [](QChar c) { return notInFileNames.contains(c) || c.category() == QChar::Other_Control; });
    return QLatin1Char('_') + text + QLatin1Char('_');
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
