#include "TranslationCheck.h"

#include "app/MessageTableLoader.h"

#include <QRegularExpression>

namespace tunbox {
namespace {

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(?:%|d|s|\\.1f|[1-9])"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    return found;
}

QStringList WindowTextProblems(const TsFile& committed, const TsFile& found) {
    QStringList problems;
    for (const TsMessage& text : found.messages) {
        if (!text.Current())
            continue;
        const QString where = text.context + QStringLiteral(": ") + Quoted(text.source);
        const TsMessage* translated = committed.Find(text.context, text.source);
        if (!translated)
            problems.append(where + QStringLiteral(" is not in the translation"));
        else if (!translated->Finished())
            problems.append(where + QStringLiteral(" has no finished translation"));
        else if (Placeholders(translated->translation) != Placeholders(text.source))
            problems.append(where + QStringLiteral(" has other placeholders in ") +
                            Quoted(translated->translation));
    }
    return problems;
}

QStringList CatalogueProblems(const TsFile& catalogue, const OwnText& own, int firstId,
                              int lastId) {
    QStringList problems;
    const QString context = QString::fromLatin1(CatalogueContext);
    for (int id = firstId; id <= lastId; ++id) {
        const QString source = QString::number(id);
        const QString ownText = own(id);
        const QString where = QStringLiteral("message %1 (%2)").arg(source, Quoted(ownText));
        const TsMessage* message = catalogue.Find(context, source);
        if (!message) {
            problems.append(where + QStringLiteral(" is not in the translation"));
            continue;
        }
        if (!message->Finished()) {
            problems.append(where + QStringLiteral(" has no finished translation"));
            continue;
        }
        if (message->note != ownText)
            problems.append(where + QStringLiteral(" changed since it was translated from ") +
                            Quoted(message->note));
        if (Placeholders(message->translation) != Placeholders(ownText))
            problems.append(where + QStringLiteral(" has other placeholders in ") +
                            Quoted(message->translation));
        if (message->translation.size() > MaxMessageLength)
            problems.append(where + QStringLiteral(" is longer than %1 characters in translation")
                                        .arg(MaxMessageLength));
    }
    return problems;
}

TsFile UpdatedCatalogue(const TsFile& existing, const OwnText& own, int firstId, int lastId) {
    TsFile updated;
    updated.language = existing.language;
    const QString context = QString::fromLatin1(CatalogueContext);
    for (int id = firstId; id <= lastId; ++id) {
        TsMessage message{context, QString::number(id), own(id), {}, QStringLiteral("unfinished")};
        for (const TsMessage& old : existing.messages) {
            if (old.context != context || old.source != message.source)
                continue;
            message.translation = old.translation;
            if (old.Finished() && old.note == message.note)
                message.type.clear();
            break;
        }
        updated.messages.push_back(message);
    }
    return updated;
}

} // namespace tunbox
