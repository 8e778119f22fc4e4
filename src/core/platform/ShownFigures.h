#pragma once
// Figures worded twice: in the program's fixed English form, which logs,
// reports and stored texts keep ("49.5 KB"), and in the user's language
// and locale ("49,5 KB") for the window and the terminal.

#include <QLocale>

#include <cstdint>

#include "platform/DisplayLocale.h"
#include "platform/Words.h"

// "812 bytes", "49.5 KB", "2.25 MB": 1000 bytes a KB, as the byte limit
// counts, with at most one (KB) or two (MB) decimals and no trailing zeros.
Words ByteSizeWords(uint64_t bytes, const QLocale& locale = DisplayLocale());

// "1600 x 1067": without thousands separators, as pixel sizes are written.
Words PixelSizeWords(int32_t width, int32_t height, const QLocale& locale = DisplayLocale());

// A whole number in the locale's digits ("12 345" in French), English plain.
Words NumberWords(int64_t value, const QLocale& locale = DisplayLocale());
