#pragma once
// The line of text drawn on every photo.

#include <functional>

#include "model/RgbPicture.h"
#include "model/TextOverlay.h"

class QPainter;

// Draws overlay.text antialiased in its font and colour, not wrapped, cut
// only by the picture's edges. The top-left anchor puts the text's top-left
// corner at (x, y) wherever that is; every other anchor measures x and y from
// its edge or middle and keeps the text, outline or shadow included, inside
// the picture (a text larger than the picture starts at its edge). Opacity
// below 100 and the outline and shadow draw the text through a layer; the
// plain opaque text is drawn directly, as it always was. An empty text draws
// nothing. Needs a QGuiApplication; safe from worker threads.
void DrawOverlayText(RgbPicture& picture, const TextOverlay& overlay);

// The same drawing onto a painter whose coordinates are the pixels of a
// width x height output picture: the window's preview paints through a
// scaled painter.
void PaintOverlayText(QPainter& painter, int width, int height, const TextOverlay& overlay);

class QPainter;
class QRect;

// Runs paint on a copy of the picture's region (clipped to the picture), in
// the picture's own coordinates, and writes the region back: Qt pads its
// rows and ours are packed, so only the part drawn on is copied.
void PaintOnRegion(RgbPicture& picture, const QRect& region,
                   const std::function<void(QPainter&)>& paint);
