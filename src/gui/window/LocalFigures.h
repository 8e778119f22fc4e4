#pragma once
// Dates, sizes and counts as the window shows them: in the forms of the
// display locale (QLocale(), set from the desktop's at start-up). Where no
// locale is set (the plain "C" one) they keep the program's fixed forms.
// File names never come from here: they keep the naming rules' fixed forms.

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <string>

struct FileSizeFit;
struct ResultPreview;

class LocalFigures {
    Q_DECLARE_TR_FUNCTIONS(LocalFigures)

public:
    // A photo's time as the list keeps it ("2024/12/31 23:59:59", local
    // time) in the locale's short date and its time with seconds; the text
    // as it is when the locale is "C" or the text is not such a time.
    static QString Time(const std::string& fixed, const QLocale& locale = QLocale());

    // "824 bytes", "224 KB", "1.25 MB" (1000 bytes a KB, as the file size
    // limit counts), with the locale's decimal separator.
    static QString ByteSize(uint64_t bytes, const QLocale& locale = QLocale());

    // The preview's caption: "1024 x 768 · JPG 80 · 224 KB", then what a
    // file size limit came to.
    static QString Caption(const ResultPreview& preview, const QLocale& locale = QLocale());

    // What a byte limit came to, for a converted photo's tooltip: "498 KB at
    // quality 72, 4 encodes", "fitted by reducing to 1600 x 1067: 49 KB at
    // quality 30, 7 encodes", "the source fits (45 KB): copied unchanged".
    static QString Fit(const FileSizeFit& fit, const QLocale& locale = QLocale());
};
