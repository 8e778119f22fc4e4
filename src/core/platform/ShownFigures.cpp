#include "platform/ShownFigures.h"

#include <QString>

namespace {

// value with at most decimals digits after the separator, no trailing zeros.
std::string Trimmed(double value, int decimals, const QLocale& locale) {
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        const QString zero = locale.zeroDigit();
        while (text.endsWith(zero)) text.chop(zero.size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text.toStdString();
}

// The figure in English and in the locale's forms.
Words Figure(double value, int decimals, const QLocale& locale) {
    return {Trimmed(value, decimals, QLocale::c()), Trimmed(value, decimals, locale)};
}

QLocale WithoutGroups(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

Words ByteSizeWords(uint64_t bytes, const QLocale& locale) {
    if (bytes < 1000)
        return words::translate("LocalFigures", "%1 bytes")
            .Arg({NumberWords(static_cast<int64_t>(bytes), locale)});
    if (bytes < 1000000)
        return words::translate("LocalFigures", "%1 KB")
            .Arg({Figure(static_cast<double>(bytes) / 1e3, 1, locale)});
    return words::translate("LocalFigures", "%1 MB")
        .Arg({Figure(static_cast<double>(bytes) / 1e6, 2, locale)});
}

Words PixelSizeWords(int32_t width, int32_t height, const QLocale& locale) {
    const QLocale plain = WithoutGroups(locale);
    return words::translate("LocalFigures", "%1 x %2")
        .Arg({Words{std::to_string(width), plain.toString(width).toStdString()},
              Words{std::to_string(height), plain.toString(height).toStdString()}});
}

Words NumberWords(int64_t value, const QLocale& locale) {
    return {std::to_string(value), locale.toString(static_cast<qlonglong>(value)).toStdString()};
}
