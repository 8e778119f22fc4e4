#include "model/LogFont.h"

#include <QString>

std::string TruncateFaceName(const std::string& name) {
    QString text = QString::fromStdString(name);
    // Count characters, not UTF-16 units, and never split a surrogate pair.
    qsizetype units = 0;
    std::size_t chars = 0;
    while (units < text.size() && chars < LogFont::kMaxFaceName) {
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
        ++chars;
    }
    return text.left(units).toStdString();
}
