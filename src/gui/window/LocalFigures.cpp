#include "window/LocalFigures.h"

#include <QDateTime>

#include "platform/ShownFigures.h"
#include "run/ResultPreview.h"

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

// Pixel sizes without thousands separators, as image sizes are written.
QString Pixels(int32_t value, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QString PixelSize(int32_t width, int32_t height, const QLocale& locale) {
    return QString::fromStdString(PixelSizeWords(width, height, locale).shown);
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
    return QString::fromStdString(ByteSizeWords(bytes, locale).shown);
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
        .arg(PixelSize(fit.width, fit.height, locale), text);
}

QString LocalFigures::Caption(const ResultPreview& preview, const QLocale& locale) {
    const QString separator = QStringLiteral(" \u00b7 ");
    QString caption =
        PixelSize(preview.width, preview.height, locale) + separator +
        QString::fromStdString(preview.format.shown) + separator +
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
