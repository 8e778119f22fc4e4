#include "convert/OverlayText.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "app/FontConversion.h"

void DrawOverlayText(RgbPicture& picture, const TextOverlay& overlay) {
    if (overlay.text.empty() || picture.width <= 0 || picture.height <= 0)
        return;
    // Qt pads its rows, ours are packed: draw on a copy.
    QImage surface(picture.width, picture.height, QImage::Format_RGB888);
    if (surface.isNull())
        return;
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(picture.Pixel(0, y), picture.RowBytes(), surface.scanLine(y));
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QFont font = QFontFromLogFont(overlay.font);
        painter.setFont(font);
        // The stored colour is 0x00BBGGRR.
        painter.setPen(QColor(overlay.color & 0xFF, (overlay.color >> 8) & 0xFF,
                              (overlay.color >> 16) & 0xFF));
        // drawText places the baseline at the point; the text's top is
        // one ascent above it.
        const QFontMetricsF metrics(font, &surface);
        painter.drawText(QPointF(overlay.x, overlay.y + metrics.ascent()),
                         QString::fromUtf8(overlay.text));
    }
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(surface.constScanLine(y), picture.RowBytes(), picture.Pixel(0, y));
}
