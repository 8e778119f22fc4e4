#pragma once
// The locale of the dates and numbers the user reads.

#include <QLocale>

// The locale for dates and numbers shown to the user: the system's, or when
// that is the plain "C" locale, the first language the user asked for. Never
// used for file names, which keep fixed forms.
QLocale DisplayLocale();
