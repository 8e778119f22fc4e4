#include "imaging/FontConversion.h"

#include <QFontInfo>
#include <QStringList>

#include <algorithm>

#include <cstdlib>

namespace {

constexpr int kDefaultPixelSize = numbers::kFontPixels.WholeBuiltIn();

}  // namespace

QFont QFontFromLogFont(const LogFont& lf) {
    QFont font;
    if (lf.lfFaceName.empty())
        font.setStyleHint(QFont::SansSerif);
    font.setFamilies({lf.lfFaceName.empty() ? QStringLiteral("sans-serif")
                                            : QString::fromStdString(lf.lfFaceName)});
    long long height = std::llabs(static_cast<long long>(lf.lfHeight));
    int pixels = height == 0 ? kDefaultPixelSize : static_cast<int>(std::min(height, 100000LL));
    font.setPixelSize(pixels);
    int weight = lf.lfWeight <= 0 ? 400 : std::clamp(lf.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

LogFont LogFontFromQFont(const QFont& font, const LogFont& base) {
    LogFont lf = base;
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = QFontInfo(font).pixelSize();
    lf.lfHeight = -pixels;
    lf.lfWeight = static_cast<int32_t>(font.weight());
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    QString family = font.families().isEmpty() ? font.family() : font.families().first();
    lf.lfFaceName = TruncateFaceName(family == QLatin1String("sans-serif") ? std::string()
                                                                            : family.toStdString());
    return lf;
}
