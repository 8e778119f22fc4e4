#include "dialogs/FilledText.h"

#include "platform/Words.h"

std::string Filled(const QString& text, std::initializer_list<std::string> values) {
    return words::Filled(text.toStdString(), values);
}
