#pragma once
// Between the stored font record and Qt's font.

#include <QFont>
#include <QStringList>

#include "model/LogFont.h"

// The font to draw with: face (empty: the default sans-serif), pixel size
// |lfHeight| (0: 13), weight on the 100..900 scale, italic, underline,
// strike-out.
QFont QFontFromLogFont(const LogFont& font);

// The record for a font, keeping the members Qt has no notion of from base.
// The height is stored negative (a character height in pixels).
LogFont LogFontFromQFont(const QFont& font, const LogFont& base = LogFont{});
