#include "texts/FillText.h"

std::string Listed(const std::vector<std::string>& items, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? std::string(" ") + last + " " : ", ";
        text += items[i];
    }
    return text;
}

void ReplaceAll(std::string& text, const std::string& marker, const std::string& value) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
}
