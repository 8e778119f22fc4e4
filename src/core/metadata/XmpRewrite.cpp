#include "metadata/XmpRewrite.h"

#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <string_view>

namespace {

constexpr std::u16string_view kTiff = u"http://ns.adobe.com/tiff/1.0/";
constexpr std::u16string_view kExif = u"http://ns.adobe.com/exif/1.0/";
constexpr std::u16string_view kPhotoshop = u"http://ns.adobe.com/photoshop/1.0/";
constexpr std::u16string_view kIptcCore = u"http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/";
constexpr std::u16string_view kIptcExt = u"http://iptc.org/std/Iptc4xmpExt/2008-02-29/";

bool Is(QStringView uri, QStringView name, std::u16string_view wantUri, QStringView wantName) {
    return uri == QStringView(wantUri) && name == wantName;
}

bool IsLocation(QStringView uri, QStringView name) {
    if (uri == QStringView(kExif))
        return name.startsWith(u"GPS");
    return Is(uri, name, kPhotoshop, u"City") || Is(uri, name, kPhotoshop, u"State") ||
           Is(uri, name, kPhotoshop, u"Country") || Is(uri, name, kIptcCore, u"Location") ||
           Is(uri, name, kIptcCore, u"CountryCode") ||
           Is(uri, name, kIptcExt, u"LocationCreated") || Is(uri, name, kIptcExt, u"LocationShown");
}

// The value a property must have in the output; null when it keeps its own.
QString NewValue(QStringView uri, QStringView name, int32_t width, int32_t height) {
    if (Is(uri, name, kTiff, u"Orientation"))
        return QStringLiteral("1");
    if (Is(uri, name, kTiff, u"ImageWidth") || Is(uri, name, kExif, u"PixelXDimension"))
        return QString::number(width);
    if (Is(uri, name, kTiff, u"ImageLength") || Is(uri, name, kExif, u"PixelYDimension"))
        return QString::number(height);
    return {};
}

}  // namespace

std::string RewriteXmp(const std::string& packet, bool dropLocation, int32_t width,
                       int32_t height) {
    QXmlStreamReader reader(
        QByteArray::fromRawData(packet.data(), static_cast<qsizetype>(packet.size())));
    QByteArray out;
    QXmlStreamWriter writer(&out);
    int skipDepth = 0;    // > 0 inside a dropped property
    QString replacement;  // the new text of the simple property being written, if any
    bool wroteAnything = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (skipDepth > 0) {
            if (reader.isStartElement())
                ++skipDepth;
            else if (reader.isEndElement())
                --skipDepth;
            continue;
        }
        switch (reader.tokenType()) {
            case QXmlStreamReader::StartDocument:
                if (!reader.documentVersion().isEmpty())
                    writer.writeStartDocument(reader.documentVersion().toString());
                break;
            case QXmlStreamReader::StartElement: {
                if (dropLocation && IsLocation(reader.namespaceUri(), reader.name())) {
                    skipDepth = 1;
                    break;
                }
                writer.writeStartElement(reader.qualifiedName().toString());
                // As plain attributes, so that every prefix stays as it was.
                for (const QXmlStreamNamespaceDeclaration& declaration :
                     reader.namespaceDeclarations())
                    writer.writeAttribute(
                        declaration.prefix().isEmpty()
                            ? QStringLiteral("xmlns")
                            : QStringLiteral("xmlns:") + declaration.prefix().toString(),
                        declaration.namespaceUri().toString());
                for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                    if (dropLocation && IsLocation(attribute.namespaceUri(), attribute.name()))
                        continue;
                    const QString value =
                        NewValue(attribute.namespaceUri(), attribute.name(), width, height);
                    writer.writeAttribute(attribute.qualifiedName().toString(),
                                          value.isNull() ? attribute.value().toString() : value);
                }
                replacement = NewValue(reader.namespaceUri(), reader.name(), width, height);
                wroteAnything = true;
                break;
            }
            case QXmlStreamReader::EndElement:
                writer.writeEndElement();
                replacement.clear();
                break;
            case QXmlStreamReader::Characters:
                if (!replacement.isNull() && !reader.isWhitespace()) {
                    writer.writeCharacters(replacement);
                    replacement = QString();
                } else {
                    writer.writeCharacters(reader.text().toString());
                }
                break;
            case QXmlStreamReader::ProcessingInstruction:
                writer.writeProcessingInstruction(reader.processingInstructionTarget().toString(),
                                                  reader.processingInstructionData().toString());
                break;
            case QXmlStreamReader::Comment: writer.writeComment(reader.text().toString()); break;
            default: break;
        }
    }
    if (reader.hasError() || !wroteAnything)
        return {};
    return out.toStdString();
}
