#include "convert/OverlayText.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "app/FontConversion.h"
#include "options/OptionTables.h"

namespace {

constexpr double kMaxPixelSize = 100000;

QFont OverlayFont(const TextOverlay& overlay, int width, int height) {
    LogFont font = overlay.font;
    if (overlay.sizePercent > 0) {
        const double share = std::min(overlay.sizePercent, kMaxTextSizePercent) / 100.0;
        const double pixels = std::clamp(std::min(width, height) * share, 1.0, kMaxPixelSize);
        font.lfHeight = -static_cast<int32_t>(std::lround(pixels));
    }
    return QFontFromLogFont(font);
}

// The stored colour is 0x00BBGGRR.
QColor ColorOf(uint32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Black around light text, white around dark text.
QColor ContrastOf(const QColor& color) {
    return qGray(color.rgb()) > 128 ? QColor(Qt::black) : QColor(Qt::white);
}

// The start of a text of extent along a side of size: offset from the
// anchor's edge or middle; the anchors other than top-left keep it, with
// margin for the outline or shadow, inside the picture.
double Place(int where, double size, double extent, double offset, double margin, bool keepInside) {
    const double start = where == 0   ? offset
                         : where == 1 ? (size - extent) / 2 + offset
                                      : size - extent - offset;
    if (!keepInside)
        return start;
    return std::max(margin, std::min(start, size - extent - margin));
}

void DrawText(QPainter& painter, const QFont& font, const QColor& color, QPointF baseline,
              const QString& text) {
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(baseline, text);
}

}  // namespace

void PaintOverlayText(QPainter& painter, int width, int height, const TextOverlay& overlay) {
    if (overlay.text.empty() || width <= 0 || height <= 0 || overlay.opacity <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = OverlayFont(overlay, width, height);
    const QString text = QString::fromUtf8(overlay.text);
    const QColor color = ColorOf(overlay.color);
    const QFontMetricsF metrics(font, painter.device());
    const double effect =
        overlay.effect == kTextEffectNone ? 0 : std::max(1.0, font.pixelSize() / 16.0);

    const TextAnchorRow& anchor = TextAnchorOf(overlay.anchor);
    const bool keepInside = anchor.value != kAnchorTopLeft;
    const QSizeF box(metrics.horizontalAdvance(text), metrics.height());
    const QPointF topLeft(Place(anchor.column, width, box.width(), overlay.x, effect, keepInside),
                          Place(anchor.row, height, box.height(), overlay.y, effect, keepInside));
    // drawText places the baseline at the point; the text's top is one
    // ascent above it.
    const QPointF baseline = topLeft + QPointF(0, metrics.ascent());

    if (overlay.opacity >= 100 && overlay.effect == kTextEffectNone) {
        DrawText(painter, font, color, baseline, text);
        painter.restore();
        return;
    }
    // Text and effect are drawn opaque into a layer that is then laid on
    // the picture at the opacity, so that where they overlap nothing shows
    // through twice.
    const QRect layerRect = QRectF(topLeft, box)
                                .adjusted(-2 * effect, -2 * effect, 2 * effect, 2 * effect)
                                .toAlignedRect() &
                            QRect(0, 0, width, height);
    if (layerRect.isEmpty()) {
        painter.restore();
        return;
    }
    QImage layer(layerRect.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter inLayer(&layer);
        inLayer.setRenderHints(painter.renderHints());
        inLayer.translate(-layerRect.topLeft());
        const QColor contrast = ContrastOf(color);
        if (overlay.effect == kTextEffectOutline) {
            QPainterPath path;
            path.addText(baseline, font, text);
            inLayer.strokePath(
                path, QPen(contrast, 2 * effect, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            inLayer.fillPath(path, color);
        } else {
            if (overlay.effect == kTextEffectShadow)
                DrawText(inLayer, font, contrast, baseline + QPointF(effect, effect), text);
            DrawText(inLayer, font, color, baseline, text);
        }
    }
    painter.setOpacity(std::min(overlay.opacity, 100) / 100.0);
    painter.drawImage(layerRect.topLeft(), layer);
    painter.restore();
}

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
        PaintOverlayText(painter, picture.width, picture.height, overlay);
    }
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(surface.constScanLine(y), picture.RowBytes(), picture.Pixel(0, y));
}
