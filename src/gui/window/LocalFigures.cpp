#include "window/LocalFigures.h"

#include <QDateTime>

#include <cmath>

#include "run/ResultPreview.h"
#include "texts/Translations.h"

namespace {

// The locale's short time with seconds added where it has none: photos of
// one minute are told apart by their seconds.
QString TimeWithSeconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

// value with at most decimals digits after the separator, no trailing zeros.
QString Trimmed(double value, int decimals, const QLocale& locale) {
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        const QString zero = locale.zeroDigit();
        while (text.endsWith(zero)) text.chop(zero.size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

// Pixel sizes without thousands separators, as image sizes are written.
QString Pixels(int32_t value, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

}  // namespace

QString LocalFigures::Time(const std::string& fixed, const QLocale& locale) {
    const QString text = QString::fromStdString(fixed);
    if (locale.language() == QLocale::C)
        return text;
    const QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    if (!time.isValid())
        return text;
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), TimeWithSeconds(locale));
}

QString LocalFigures::ByteSize(uint64_t bytes, const QLocale& locale) {
    if (bytes < 1000)
        return tr("%1 bytes").arg(locale.toString(qulonglong(bytes)));
    if (bytes < 1000000)
        return tr("%1 KB").arg(Trimmed(static_cast<double>(bytes) / 1e3, 1, locale));
    return tr("%1 MB").arg(Trimmed(static_cast<double>(bytes) / 1e6, 2, locale));
}

QString LocalFigures::Fit(const FileSizeFit& fit, const QLocale& locale) {
    const QString size = ByteSize(fit.bytes, locale);
    if (fit.copied)
        return tr("the source fits (%1): copied unchanged").arg(size);
    QString text =
        fit.quality > 0 ? tr("%1 at quality %2").arg(size, locale.toString(fit.quality)) : size;
    //: %1 is the size and quality ("498 KB at quality 72"); an encode is one
    //: trial compression made to find it.
    text = tr("%1, %n encodes", nullptr, fit.tries).arg(text);
    if (!fit.Downscaled())
        return text;
    return tr("fitted by reducing to %1: %2")
        .arg(tr("%1 x %2").arg(Pixels(fit.width, locale), Pixels(fit.height, locale)), text);
}

QString LocalFigures::Caption(const ResultPreview& preview, const QLocale& locale) {
    const QString separator = QStringLiteral(" \u00b7 ");
    QString caption =
        tr("%1 x %2").arg(Pixels(preview.width, locale), Pixels(preview.height, locale)) +
        separator + QString::fromStdString(preview.format) + separator +
        ByteSize(preview.bytes.size(), locale);
    if (!preview.fit)
        return caption;
    const FileSizeFit& fit = *preview.fit;
    if (fit.copied)
        return caption + separator + tr("the source fits: copied");
    if (fit.Downscaled())
        return caption + separator +
               tr("fitted by reducing to %1 x %2")
                   .arg(Pixels(fit.width, locale), Pixels(fit.height, locale));
    if (fit.quality > 0)
        return caption + separator + tr("fitted: quality %1").arg(locale.toString(fit.quality));
    return caption;
}
