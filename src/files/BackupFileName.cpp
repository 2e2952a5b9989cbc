#include "files/BackupFileName.h"

#include "files/DecimalNumber.h"

namespace tunbox {
namespace {

// Longest file name the file systems the program runs on take, in bytes.
constexpr qsizetype MaxFileNameBytes = 255;

const char* PrefixOf(BackupMode mode) {
    switch (mode) {
    case BackupMode::Rpu:
        return RpuFilePrefix;
    case BackupMode::Rtr:
        return RtrFilePrefix;
    case BackupMode::None:
        break;
    }
    return "";
}

// A value fits a name when the name's own delimiter "_", a folder separator or a
// control character (a NUL ends a name, others cannot be typed back) is absent.
bool FitsInName(const QString& value) {
    for (const QChar c : value) {
        if (c == u'_' || c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// The text of name from position from up to, not including, the first of stops,
// or to the end of the name.
QString TakeUntil(const QString& name, qsizetype from, QStringView stops) {
    qsizetype end = from;
    while (end < name.size() && !stops.contains(name[end]))
        ++end;
    return name.mid(from, end - from);
}

struct AddressRange {
    int first;
    int last;
};

AddressRange RangeOf(BackupMode mode) {
    return mode == BackupMode::Rpu ? AddressRange{1, 4} : AddressRange{5, 196};
}

} // namespace

QStringList ModuleAddressList(BackupMode mode) {
    QStringList list;
    if (mode == BackupMode::None)
        return list;
    const AddressRange range = RangeOf(mode);
    for (int a = range.first; a <= range.last; ++a)
        list.append(QString::number(a));
    return list;
}

bool ModuleAddressAllowed(BackupMode mode, const QString& text) {
    if (text.isEmpty() || mode == BackupMode::None)
        return true;
    const int value = ParseDecimalLine(text).value_or(-1);
    const AddressRange range = RangeOf(mode);
    return value >= range.first && value <= range.last;
}

QString DateTag(const QDate& date) {
    return u'_' + date.toString(QStringLiteral("ddMMyy")) + u'_';
}

QString SuggestedBackupName(BackupMode mode, const QString& moduleAddress, const QString& dateTag,
                            const QString& objectNumber, const QString& confCode) {
    QString name;
    if (mode != BackupMode::None)
        name = QLatin1String(PrefixOf(mode)) + moduleAddress + dateTag +
               QLatin1String(ObjectFilePrefix) + objectNumber;
    return name + QLatin1String(ConfTag) + confCode;
}

BackupNameCheck CheckBackupName(BackupMode mode, const QString& moduleAddress,
                                const QString& dateTag, const QString& objectNumber,
                                const QString& confCode) {
    if (moduleAddress.isEmpty() || objectNumber.isEmpty())
        return BackupNameCheck::MissingField;
    if (mode != BackupMode::None) {
        if (!FitsInName(objectNumber))
            return BackupNameCheck::BadObjectNumber;
        if (!FitsInName(moduleAddress))
            return BackupNameCheck::BadModuleAddress;
    }
    if (!FitsInName(confCode))
        return BackupNameCheck::BadConfCode;
    const QString name = SuggestedBackupName(mode, moduleAddress, dateTag, objectNumber, confCode) +
                         u'.' + QLatin1String(BackupFileSuffix);
    if (mode != BackupMode::None) {
        // A module address ending in "object" makes the name's first "object_"
        // start inside the address; reading the name back is the sure test.
        const BackupNameParts back = ParseBackupFileName(name);
        const bool addressMisleads =
            moduleAddress.endsWith(QLatin1String("object"), Qt::CaseInsensitive);
        if (back.moduleAddress != moduleAddress ||
            (addressMisleads && back.objectNumber != objectNumber))
            return BackupNameCheck::BadModuleAddress;
        if (back.objectNumber != objectNumber)
            return BackupNameCheck::BadObjectNumber;
    }
    if (name.toUtf8().size() > MaxFileNameBytes)
        return BackupNameCheck::NameTooLong;
    return BackupNameCheck::Ok;
}

BackupNameParts ParseBackupFileName(const QString& fileName) {
    BackupNameParts parts;
    qsizetype prefixAt = -1;
    const qsizetype rpuAt = fileName.indexOf(QLatin1String(RpuFilePrefix), 0, Qt::CaseInsensitive);
    if (rpuAt >= 0) {
        parts.mode = BackupMode::Rpu;
        prefixAt = rpuAt;
    }
    const qsizetype rtrAt = fileName.indexOf(QLatin1String(RtrFilePrefix), 0, Qt::CaseInsensitive);
    if (rtrAt >= 0) {
        parts.mode = BackupMode::Rtr;
        prefixAt = rtrAt;
    }
    if (prefixAt >= 0)
        parts.moduleAddress =
            TakeUntil(fileName, prefixAt + qsizetype(sizeof(RpuFilePrefix) - 1), u"_");

    const qsizetype objectAt =
        fileName.indexOf(QLatin1String(ObjectFilePrefix), 0, Qt::CaseInsensitive);
    if (objectAt >= 0)
        parts.objectNumber =
            TakeUntil(fileName, objectAt + qsizetype(sizeof(ObjectFilePrefix) - 1), u"_");

    const qsizetype confAt = fileName.lastIndexOf(QLatin1String(ConfTag), -1, Qt::CaseInsensitive);
    if (confAt >= 0)
        parts.confCode = TakeUntil(fileName, confAt + qsizetype(sizeof(ConfTag) - 1), u"_.");
    return parts;
}

QString BackupOpenPattern(BackupMode mode) {
    if (mode == BackupMode::None)
        return {};
    return QLatin1String(PrefixOf(mode)) + u'*';
}

} // namespace tunbox
