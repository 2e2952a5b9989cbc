#include "files/FirmwareCatalogue.h"

#include <QDir>

#include <algorithm>
#include <limits>

namespace tunbox {
namespace {

// The digits of a name without leading zeros, and whether there were any: the
// order of name versions, whatever their size.
struct DigitKey {
    bool any = false;
    QString digits;

    explicit DigitKey(const QString& name) {
        for (const QChar c : name) {
            if (c < u'0' || c > u'9')
                continue;
            any = true;
            if (!digits.isEmpty() || c != u'0')
                digits += c;
        }
    }

    // -1, 0 or 1 as this version is below, equal to or above other's.
    int Compare(const DigitKey& other) const {
        if (any != other.any)
            return any ? 1 : -1;
        if (digits.size() != other.digits.size())
            return digits.size() < other.digits.size() ? -1 : 1;
        return digits.compare(other.digits);
    }
};

bool ListedBefore(const QString& a, const QString& b) {
    const int byVersion = DigitKey(a).Compare(DigitKey(b));
    if (byVersion != 0)
        return byVersion < 0;
    const int byName = a.compare(b, Qt::CaseInsensitive);
    if (byName != 0)
        return byName < 0;
    return a < b;
}

} // namespace

FirmwareFamily FirmwareFamilyFor(const ModeButtons& buttons) {
    if (buttons.rpu || buttons.rtr)
        return FirmwareFamily::Receiver;
    if (buttons.mro)
        return FirmwareFamily::RelayModule;
    return FirmwareFamily::None;
}

QString FirmwareNamePart(FirmwareFamily family) {
    switch (family) {
    case FirmwareFamily::Receiver:
        return QStringLiteral("klt-rpu");
    case FirmwareFamily::RelayModule:
        return QStringLiteral("klt-mro");
    case FirmwareFamily::None:
        break;
    }
    return {};
}

std::optional<qint32> NameVersion(const QString& name) {
    bool any = false;
    qint64 value = 0;
    for (const QChar c : name) {
        if (c < u'0' || c > u'9')
            continue;
        any = true;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    return static_cast<qint32>(value);
}

QString FindSubfolder(const QString& parent, const QString& name) {
    const QDir dir(parent);
    if (QFileInfo(dir.filePath(name)).isDir())
        return dir.filePath(name);
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders)
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(folder);
    return dir.filePath(name);
}

QString FirmwareFolder(const QString& programDir) {
    return FindSubfolder(programDir, QStringLiteral("base"));
}

FirmwareScan ScanFirmwareFolder(const QString& folder, FirmwareFamily family, int deviceMode,
                                int deviceVersion) {
    FirmwareScan scan;
    const QString part = FirmwareNamePart(family);
    if (part.isEmpty())
        return scan;
    const QStringList all = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& entry : all)
        if (entry.contains(part, Qt::CaseInsensitive))
            scan.entries.append(entry);
    if (scan.entries.isEmpty())
        return scan;
    std::sort(scan.entries.begin(), scan.entries.end(), ListedBefore);

    scan.candidate = scan.entries.last();
    scan.candidateVersion = NameVersion(scan.candidate);
    if (!scan.candidateVersion)
        scan.result = FirmwareScanResult::VersionUnreadable;
    else if (*scan.candidateVersion > deviceVersion && static_cast<int>(family) == deviceMode)
        scan.result = FirmwareScanResult::UpdateOffered;
    return scan;
}

} // namespace tunbox
