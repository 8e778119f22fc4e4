// Dates, counts and sizes in the window follow the display locale, and keep
// the program's fixed forms where no locale is set; translated messages get
// their values wherever a translation puts the markers.

#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QTest>

#include "dialogs/FilledText.h"
#include "run/ResultPreview.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "window/LocalFigures.h"
#include "window/PhotoListPanel.h"

class LocalFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void windowFollowsLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("time");   // the list's Time column
        QTest::addColumn<QString>("total");  // the count below the list
        QTest::addColumn<QString>("caption");
        const QString fitted = QStringLiteral(" \u00b7 fitted: quality 71");
        QTest::newRow("no locale (C): the fixed forms")
            << "C"
            << "2024/12/31 23:59:59"
            << "Total photos: 1234"
            << "1600 x 1200 \u00b7 JPG 80 \u00b7 224.5 KB" + fitted;
        QTest::newRow("French") << "fr_FR"
                                << "31/12/2024 23:59:59"
                                << "Total photos: 1\u202f234"
                                << "1600 x 1200 \u00b7 JPG 80 \u00b7 224,5 KB" + fitted;
        QTest::newRow("German") << "de_DE"
                                << "31.12.24 23:59:59"
                                << "Total photos: 1.234"
                                << "1600 x 1200 \u00b7 JPG 80 \u00b7 224,5 KB" + fitted;
        QTest::newRow("US English") << "en_US"
                                    << "12/31/24 11:59:59 PM"
                                    << "Total photos: 1,234"
                                    << "1600 x 1200 \u00b7 JPG 80 \u00b7 224.5 KB" + fitted;
    }

    void windowFollowsLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, time);
        QFETCH(QString, total);
        QFETCH(QString, caption);
        QLocale::setDefault(QLocale(locale));
        QTableView view;
        QLabel count;
        RecordingPrompter prompter;
        PhotoListPanel list(&view, &count, prompter);
        std::vector<PhotoItem> photos(1234);
        photos.front().strTime = "2024/12/31 23:59:59";
        list.Append(std::move(photos));
        QCOMPARE(view.model()->index(0, kColumnTime).data().toString(), time);
        QCOMPARE(count.text(), total);
        // The column is wide enough for the locale's form.
        QVERIFY(view.columnWidth(kColumnTime) > view.fontMetrics().horizontalAdvance(time));

        ResultPreview preview;
        preview.width = 1600;
        preview.height = 1200;
        preview.format = Words::Same("JPG 80");
        preview.bytes.assign(224500, '\0');
        preview.fit = FileSizeFit{71, 224500, 3, 0, 0, false};
        QCOMPARE(LocalFigures::Caption(preview), caption);
    }

    void sizes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qulonglong>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("bytes") << "C" << 999ull << "999 bytes";
        QTest::newRow("whole KB, no decimals") << "C" << 224000ull << "224 KB";
        QTest::newRow("KB rounded to one decimal") << "C" << 999949ull << "999.9 KB";
        QTest::newRow("MB with two decimals") << "C" << 1250000ull << "1.25 MB";
        QTest::newRow("MB, trailing zeros dropped") << "C" << 3000001ull << "3 MB";
        QTest::newRow("French MB") << "fr_FR" << 1250000ull << "1,25 MB";
        QTest::newRow("French whole KB keeps no comma") << "fr_FR" << 224000ull << "224 KB";
    }

    void sizes() {
        QFETCH(QString, locale);
        QFETCH(qulonglong, bytes);
        QFETCH(QString, shown);
        QCOMPARE(LocalFigures::ByteSize(bytes, QLocale(locale)), shown);
    }

    void filledTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::string>("filled");
        QTest::newRow("markers in the English order")
            << "The preset \"%1\" exists in %2."
            << std::string("The preset \"Web\" exists in /p/%1.");
        QTest::newRow("a translation turns them round")
            << "%2 \u306b\u30d7\u30ea\u30bb\u30c3\u30c8\u300c%1\u300d"
            << std::string("/p/%1 \u306b\u30d7\u30ea\u30bb\u30c3\u30c8\u300cWeb\u300d");
        QTest::newRow("a marker without a value stays") << "%1 and %3" << std::string("Web and %3");
    }

    void filledTexts() {
        QFETCH(QString, text);
        QFETCH(std::string, filled);
        // The second value is a folder whose name holds a marker of its own.
        QCOMPARE(Filled(text, {"Web", "/p/%1"}), filled);
    }
};

QUILLMERE_QTEST_MAIN(LocalFiguresTest)

#include "LocalFiguresTest.moc"
