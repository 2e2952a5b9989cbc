#include "model/MessageText.h"

#include <QLocale>

namespace tunbox {

QString FormatMessage(const QString& pattern, std::initializer_list<QVariant> args) {
    QString out;
    out.reserve(pattern.size() + 16);
    auto next = args.begin();
    auto take = [&]() -> QVariant { return next == args.end() ? QVariant() : *next++; };

    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (rest.startsWith(u'%')) {
            out += u'%';
            i += 1;
        } else if (rest.startsWith(u'd')) {
            const QVariant v = take();
            if (v.isValid())
                out += QString::number(v.toLongLong());
            i += 1;
        } else if (rest.startsWith(u's')) {
            out += take().toString();
            i += 1;
        } else if (rest.startsWith(u".1f")) {
            const QVariant v = take();
            if (v.isValid())
                out += QLocale().toString(v.toDouble(), 'f', 1);
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace tunbox
