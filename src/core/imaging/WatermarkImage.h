#pragma once
// The image watermark: its file decoded once, and its drawing on a picture.

#include <memory>
#include <string>

#include "model/ImageWatermark.h"
#include "model/RgbPicture.h"
#include "platform/Status.h"

class QPainter;

// The picture in the file at path (any format libvips reads: PNG, WebP, SVG
// with their transparency) as 8-bit RGBA; a raster picture no larger than
// 4096 pixels a side, a vector one drawn 2048 pixels on its longer side, so
// that it stays sharp where it is drawn large. Fails, naming the file, for
// a missing, unreadable or damaged one, with libvips' words. Thread-safe.
Result<std::shared_ptr<const WatermarkLogo>> LoadWatermarkLogo(const std::string& path);

// Draws watermark.logo (nothing when it is null, or without a path) on the
// picture: its longer side sizePercent of the picture's shorter side, at
// marginPercent of that side from the anchor's edges (centred along a
// middle anchor's axis), at its opacity, before the output is turned.
// Needs a QGuiApplication; safe from worker threads.
void DrawWatermark(RgbPicture& picture, const ImageWatermark& watermark);

// The same onto a painter whose coordinates are the pixels of a width x
// height output picture (the window's preview).
void PaintWatermark(QPainter& painter, int width, int height, const ImageWatermark& watermark);
