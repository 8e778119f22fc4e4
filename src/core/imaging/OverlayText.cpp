#include "imaging/OverlayText.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "imaging/FontConversion.h"
#include "model/OptionTables.h"

namespace {

constexpr double kMaxPixelSize = 100000;

QFont OverlayFont(const TextOverlay& overlay, int width, int height) {
    LogFont font = overlay.font;
    if (overlay.sizePercent > 0) {
        const double share = std::min(overlay.sizePercent, numbers::kTextSizePercent.max) / 100.0;
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

// Where the text goes on a width x height picture, measured for device.
struct TextPlace {
    QFont font;
    QString text;
    double effect = 0;  // outline width or shadow offset, in pixels
    QRectF box;         // advance by line height, top-left at the text's place
    QPointF baseline;
};

TextPlace PlaceText(const TextOverlay& overlay, int width, int height, QPaintDevice* device) {
    TextPlace place;
    place.font = OverlayFont(overlay, width, height);
    place.text = QString::fromUtf8(overlay.text);
    const QFontMetricsF metrics(place.font, device);
    place.effect =
        overlay.effect == kTextEffectNone ? 0 : std::max(1.0, place.font.pixelSize() / 16.0);
    const TextAnchorRow& anchor = TextAnchorOf(overlay.anchor);
    const bool keepInside = anchor.id != kAnchorTopLeft;
    const QSizeF box(metrics.horizontalAdvance(place.text), metrics.height());
    const QPointF topLeft(
        Place(anchor.column, width, box.width(), overlay.x, place.effect, keepInside),
        Place(anchor.row, height, box.height(), overlay.y, place.effect, keepInside));
    place.box = QRectF(topLeft, box);
    // drawText places the baseline at the point; the text's top is one
    // ascent above it.
    place.baseline = topLeft + QPointF(0, metrics.ascent());
    return place;
}

}  // namespace

void PaintOverlayText(QPainter& painter, int width, int height, const TextOverlay& overlay) {
    if (overlay.text.empty() || width <= 0 || height <= 0 || overlay.opacity <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const TextPlace place = PlaceText(overlay, width, height, painter.device());
    const QColor color = ColorOf(overlay.color);
    if (overlay.opacity >= 100 && overlay.effect == kTextEffectNone) {
        DrawText(painter, place.font, color, place.baseline, place.text);
        painter.restore();
        return;
    }
    // Text and effect are drawn opaque into a layer that is then laid on
    // the picture at the opacity, so that where they overlap nothing shows
    // through twice.
    const double effect = place.effect;
    const QRect layerRect =
        place.box.adjusted(-2 * effect, -2 * effect, 2 * effect, 2 * effect).toAlignedRect() &
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
            path.addText(place.baseline, place.font, place.text);
            inLayer.strokePath(
                path, QPen(contrast, 2 * effect, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            inLayer.fillPath(path, color);
        } else {
            if (overlay.effect == kTextEffectShadow)
                DrawText(inLayer, place.font, contrast, place.baseline + QPointF(effect, effect),
                         place.text);
            DrawText(inLayer, place.font, color, place.baseline, place.text);
        }
    }
    painter.setOpacity(std::min(overlay.opacity, 100) / 100.0);
    painter.drawImage(layerRect.topLeft(), layer);
    painter.restore();
}

void PaintOnRegion(RgbPicture& picture, const QRect& region,
                   const std::function<void(QPainter&)>& paint) {
    const QRect inside = region & QRect(0, 0, picture.width, picture.height);
    if (inside.isEmpty())
        return;
    QImage surface(inside.size(), QImage::Format_RGB888);
    if (surface.isNull())
        return;
    const std::size_t rowBytes = static_cast<std::size_t>(inside.width()) * 3;
    for (int y = 0; y < inside.height(); ++y)
        std::copy_n(picture.Pixel(inside.left(), inside.top() + y), rowBytes, surface.scanLine(y));
    {
        QPainter painter(&surface);
        painter.translate(-inside.topLeft());
        paint(painter);
    }
    for (int y = 0; y < inside.height(); ++y)
        std::copy_n(surface.constScanLine(y), rowBytes,
                    picture.Pixel(inside.left(), inside.top() + y));
}

void DrawOverlayText(RgbPicture& picture, const TextOverlay& overlay) {
    if (overlay.text.empty() || picture.width <= 0 || picture.height <= 0 || overlay.opacity <= 0)
        return;
    // Only the part the text can touch is copied out and drawn on (Qt pads
    // its rows, ours are packed): its ink, its advance and line, the outline
    // or shadow, and two pixels of antialiasing around them.
    QImage surface(1, 1, QImage::Format_RGB888);
    const TextPlace place = PlaceText(overlay, picture.width, picture.height, &surface);
    const QRectF ink =
        QFontMetricsF(place.font, &surface).boundingRect(place.text).translated(place.baseline);
    const double margin = 2 * place.effect + 2;
    const QRect region =
        (place.box | ink).adjusted(-margin, -margin, margin, margin).toAlignedRect();
    PaintOnRegion(picture, region, [&](QPainter& painter) {
        PaintOverlayText(painter, picture.width, picture.height, overlay);
    });
}
