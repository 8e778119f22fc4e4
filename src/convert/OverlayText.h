#pragma once
// The line of text drawn on every photo.

#include "convert/TextOverlay.h"
#include "convert/RgbPicture.h"

// Draws overlay.text antialiased in its font and opaque colour with the
// top-left corner of the text at (overlay.x, overlay.y); not wrapped, cut
// only by the picture's edges. An empty text draws nothing. Needs a
// QGuiApplication; safe from worker threads.
void DrawOverlayText(RgbPicture& picture, const TextOverlay& overlay);
