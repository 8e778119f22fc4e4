#include "dialogs/FilledText.h"

#include <vector>

std::string Filled(const QString& text, std::initializer_list<std::string> values) {
    const std::string source = text.toStdString();
    const std::vector<std::string> given(values);
    std::string out;
    out.reserve(source.size());
    for (std::size_t at = 0; at < source.size(); ++at) {
        const char next = at + 1 < source.size() ? source[at + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (source[at] == '%' && number > 0 && number <= given.size()) {
            out += given[number - 1];
            ++at;
        } else {
            out += source[at];
        }
    }
    return out;
}
