#include "TsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace tunbox {

const TsMessage* TsFile::Find(const QString& context, const QString& source) const {
    for (const TsMessage& message : messages) {
        if (message.context == context && message.source == source && message.Current())
            return &message;
    }
    return nullptr;
}

std::optional<TsFile> ReadTsFile(const QString& path, QString* error) {
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        if (error)
            *error = input.errorString();
        return std::nullopt;
    }
    QXmlStreamReader xml(&input);
    TsFile file;
    QString context;
    std::optional<TsMessage> message;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == u"TS") {
                sawRoot = true;
                file.language = xml.attributes().value(QStringLiteral("language")).toString();
            } else if (name == u"name" && !message) {
                context = xml.readElementText();
            } else if (name == u"message") {
                message = TsMessage{context, {}, {}, {}, {}};
            } else if (message && name == u"source") {
                message->source = xml.readElementText();
            } else if (message && name == u"extracomment") {
                message->note = xml.readElementText();
            } else if (message && name == u"translation") {
                message->type = xml.attributes().value(QStringLiteral("type")).toString();
                message->translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == u"message" && message) {
            file.messages.push_back(*message);
            message.reset();
        }
    }
    if (xml.hasError() || !sawRoot) {
        if (error)
            *error = xml.hasError() ? xml.errorString() : QStringLiteral("not a .ts file");
        return std::nullopt;
    }
    return file;
}

bool WriteTsFile(const QString& path, const TsFile& file) {
    QByteArray bytes;
    {
        QXmlStreamWriter xml(&bytes);
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(4);
        xml.writeStartDocument();
        xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
        xml.writeStartElement(QStringLiteral("TS"));
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
        xml.writeAttribute(QStringLiteral("language"), file.language);
        QString context;
        bool open = false;
        for (const TsMessage& message : file.messages) {
            if (!open || message.context != context) {
                if (open)
                    xml.writeEndElement();
                xml.writeStartElement(QStringLiteral("context"));
                xml.writeTextElement(QStringLiteral("name"), message.context);
                context = message.context;
                open = true;
            }
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), message.source);
            if (!message.note.isEmpty())
                xml.writeTextElement(QStringLiteral("extracomment"), message.note);
            xml.writeStartElement(QStringLiteral("translation"));
            if (!message.type.isEmpty())
                xml.writeAttribute(QStringLiteral("type"), message.type);
            xml.writeCharacters(message.translation);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        if (open)
            xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndDocument();
    }
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    output.write(bytes);
    return output.commit();
}

} // namespace tunbox
