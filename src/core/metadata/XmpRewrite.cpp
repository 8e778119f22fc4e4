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

constexpr std::u16string_view kRdf = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr std::u16string_view kDublinCore = u"http://purl.org/dc/elements/1.1/";
constexpr std::u16string_view kMicrosoftPhoto = u"http://ns.microsoft.com/photo/1.0/";

// The namespaces none of whose properties holds a place or position.
constexpr std::u16string_view kPlaceFree[] = {
    u"http://ns.adobe.com/xap/1.0/",                      // dates, tool, rating
    u"http://ns.adobe.com/xap/1.0/mm/",                   // document ids, history
    u"http://ns.adobe.com/xap/1.0/rights/",               // usage terms
    kTiff,                                                // the picture's layout
    u"http://cipa.jp/exif/1.0/",                          // lens and body
    u"http://ns.adobe.com/exif/1.0/aux/",                 // lens and serial numbers
    u"http://ns.adobe.com/camera-raw-settings/1.0/",      // development settings
};

// Whether a property is known to carry no place: kept under no-location.
// Anything not known is dropped, so that a position under a name nobody
// foresaw (a drone's, an editor's) cannot slip through.
bool CarriesNoPlace(QStringView uri, QStringView name) {
    for (const std::u16string_view free : kPlaceFree)
        if (uri == QStringView(free))
            return true;
    if (uri == QStringView(kExif))
        return !name.startsWith(u"GPS");
    if (uri == QStringView(kDublinCore))
        return name != u"coverage";
    if (uri == QStringView(kPhotoshop))
        return name != u"City" && name != u"State" && name != u"Country";
    if (uri == QStringView(kIptcCore))
        return name == u"IntellectualGenre" || name == u"Scene" || name == u"SubjectCode";
    if (uri == QStringView(kIptcExt))
        return name == u"PersonInImage";
    return Is(uri, name, kMicrosoftPhoto, u"Rating");
}

bool IsDescription(QStringView uri, QStringView name) {
    return Is(uri, name, kRdf, u"Description");
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
    int depth = 0;        // of the element being read
    int descriptionDepth = -1;  // of the rdf:Description whose properties are read
    QString replacement;  // the new text of the simple property being written, if any
    bool wroteAnything = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            ++depth;
        else if (reader.isEndElement())
            --depth;
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
                // A property is an element or attribute right inside an
                // rdf:Description that is not itself a property's value.
                const bool property = depth == descriptionDepth + 1 && descriptionDepth > 0;
                if (dropLocation && property &&
                    !CarriesNoPlace(reader.namespaceUri(), reader.name())) {
                    skipDepth = 1;
                    break;
                }
                const bool description =
                    IsDescription(reader.namespaceUri(), reader.name()) &&
                    (descriptionDepth < 0 || depth == descriptionDepth);
                if (description)
                    descriptionDepth = depth;
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
                    if (dropLocation && description &&
                        attribute.namespaceUri() != QStringView(kRdf) &&
                        !CarriesNoPlace(attribute.namespaceUri(), attribute.name()))
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
