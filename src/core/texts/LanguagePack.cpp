#include "texts/LanguagePack.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

#include "platform/Words.h"

namespace {

struct BuiltIn {
    int id;
    const char* text;
};

constexpr BuiltIn kBuiltIn[] = {
    {101, QT_TRANSLATE_NOOP("LanguagePack", "&About Quillmere")},
    {106, QT_TRANSLATE_NOOP("LanguagePack", "Error")},
    {111, QT_TRANSLATE_NOOP("LanguagePack", "The output width is invalid!")},
    {112, QT_TRANSLATE_NOOP("LanguagePack", "The output hight is invalid!")},
    {113, QT_TRANSLATE_NOOP("LanguagePack", "Failed to SetResolution!")},
    {114, QT_TRANSLATE_NOOP("LanguagePack", "Failed to SetInterpolationMode!")},
    {115, QT_TRANSLATE_NOOP("LanguagePack", "Failed to convert photo!")},
    {116, QT_TRANSLATE_NOOP("LanguagePack", "Unknown rotate angle!")},
    {117, QT_TRANSLATE_NOOP("LanguagePack", "Failed to rotate and flip photo!")},
    {118, QT_TRANSLATE_NOOP("LanguagePack", "Failed to save the file!")},
    {119, QT_TRANSLATE_NOOP("LanguagePack", "Warning")},
    {120, QT_TRANSLATE_NOOP("LanguagePack", "%s exists. Do you want to replace it?")},
    {128, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "The text position X is bigger than the photo width!, The program set it to 0 now.")},
    {129,
     QT_TRANSLATE_NOOP(
         "LanguagePack",
         "The text position Y is bigger than the photo height!, The program set it to 0 now.")},
    {130, QT_TRANSLATE_NOOP("LanguagePack",
                            "The text position X is out of range! The program set it to 0 now.")},
    {131, QT_TRANSLATE_NOOP("LanguagePack",
                            "The text position Y is out of range! The program set it to 0 now.")},
    {138, QT_TRANSLATE_NOOP("LanguagePack", "1 bit per pixel, indexed. 2 color.")},
    {139, QT_TRANSLATE_NOOP("LanguagePack", "4 bits per pixel, indexed. 16 color.")},
    {140, QT_TRANSLATE_NOOP("LanguagePack", "8 bits per pixel, indexed. 256 color.")},
    {141, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the "
              "green component, and 5 bits are used for the blue component.")},
    {142, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "24 bits per pixel; 8 bits each are used for the red, green, and blue components.")},
    {143, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue "
              "components.")},
    {144, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue "
              "components. The red, green, and blue components are premultiplied according to the "
              "alpha component.")},
    {145,
     QT_TRANSLATE_NOOP(
         "LanguagePack",
         "32 bits per pixel; 8 bits each are used for the red, green, and blue components. The "
         "remaining 8 bits are not used.")},
    {146, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue "
              "components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.")},
    {147, QT_TRANSLATE_NOOP(
              "LanguagePack",
              "64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue "
              "components. The red, green, and blue components are premultiplied according to the "
              "alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.")},
};

}  // namespace

std::string LanguagePack::BuiltInText(int id) {
    auto it = std::find_if(std::begin(kBuiltIn), std::end(kBuiltIn),
                           [id](const BuiltIn& b) { return b.id == id; });
    return it == std::end(kBuiltIn) ? std::string() : std::string(it->text);
}

std::string LanguagePack::GetText(int id) const {
    std::string result;
    for (const Override& o : overrides_) {
        if (o.first == id) {
            result = o.second;
            break;
        }
    }
    if (result.empty())
        result = BuiltInText(id);
    return result;
}

std::string GetText(int id) {
    // A text of the built-in table is shown translated; an override is
    // shown as it is written.
    return words::Shown("LanguagePack", TheLanguagePack().GetText(id));
}

std::string EnglishText(int id) {
    return TheLanguagePack().GetText(id);
}

const LanguagePack& TheLanguagePack() {
    static const LanguagePack instance;
    return instance;
}
