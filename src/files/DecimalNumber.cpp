#include "files/DecimalNumber.h"

namespace tunbox {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<qint32> ParseDecimalLine(QStringView text) {
    QStringView t = text;
    while (!t.isEmpty() && IsBlank(t.front()))
        t = t.sliced(1);
    while (!t.isEmpty() && IsBlank(t.back()))
        t.chop(1);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negative = t[i] == u'-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    // The magnitude may reach 2^31 for the most negative number.
    const qint64 limit = negative ? qint64{1} << 31 : (qint64{1} << 31) - 1;
    qint64 magnitude = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

} // namespace tunbox
