// One options dialog for several photos: what they differ in shows so and
// stays each photo's own unless edited; the dialog fits a small screen with
// OK and Cancel in sight.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include "dialogs/CDialogPhotoOptions.h"
#include "platform/SettingsStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"

namespace {

// Two photos that differ in quality, rotation, lossless and format, and
// agree in everything else.
std::vector<OutputPhotoFormat> TwoPhotos() {
    OutputPhotoFormat a, b;
    a.nOuptputFormat = kFormatWebp;
    b.nOuptputFormat = kFormatAvif;
    a.nCurrentJpegQuality = 60;
    b.nCurrentJpegQuality = 90;
    a.nRotateAngel = 90;
    b.nRotateAngel = 180;
    a.bLossless = true;
    b.bLossless = false;
    a.nDpi = b.nDpi = 300;
    return {a, b};
}

template <typename T>
T* Get(QWidget* dialog, const char* name) {
    T* w = dialog->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

}  // namespace

class SelectionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(QString::fromStdString(SettingsStore::Location())); }

    void differingFieldsStayUnlessEdited_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("quality");   // per photo after OK
        QTest::addColumn<QList<int>>("rotation");
        QTest::addColumn<QList<int>>("format");
        QTest::addColumn<QList<bool>>("lossless");
        QTest::newRow("nothing edited: each keeps its own")
            << 0 << QList<int>{60, 90} << QList<int>{90, 180} << QList<int>{kFormatWebp, kFormatAvif}
            << QList<bool>{true, false};
        QTest::newRow("a quality typed goes to both")
            << 1 << QList<int>{75, 75} << QList<int>{90, 180} << QList<int>{kFormatWebp, kFormatAvif}
            << QList<bool>{true, false};
        QTest::newRow("a rotation chosen goes to both")
            << 2 << QList<int>{60, 90} << QList<int>{270, 270} << QList<int>{kFormatWebp, kFormatAvif}
            << QList<bool>{true, false};
        QTest::newRow("a format chosen goes to both")
            << 3 << QList<int>{60, 90} << QList<int>{90, 180} << QList<int>{kFormatJpg, kFormatJpg}
            << QList<bool>{true, false};
        QTest::newRow("a partly ticked box clicked goes to both")
            << 4 << QList<int>{60, 90} << QList<int>{90, 180} << QList<int>{kFormatWebp, kFormatAvif}
            << QList<bool>{true, true};
    }
    void differingFieldsStayUnlessEdited() {
        QFETCH(int, step);
        QFETCH(QList<int>, quality);
        QFETCH(QList<int>, rotation);
        QFETCH(QList<int>, format);
        QFETCH(QList<bool>, lossless);
        RecordingPrompter prompter;
        CDialogPhotoOptions dialog(nullptr, &prompter);
        const std::vector<OutputPhotoFormat> photos = TwoPhotos();
        dialog.SetSelection(photos);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings for 2 photos"));
        auto* qualityEdit = Get<QLineEdit>(&dialog, "editQuality");
        auto* formats = Get<QComboBox>(&dialog, "comboOutputFormat");
        auto* losslessBox = Get<QCheckBox>(&dialog, "checkLossless");
        // Shown as different, not as the first photo's.
        QVERIFY(qualityEdit->text().isEmpty());
        QCOMPARE(formats->currentText(), QStringLiteral("(different)"));
        QCOMPARE(losslessBox->checkState(), Qt::PartiallyChecked);
        for (const char* radio : {"radioRotate0", "radioRotate90", "radioRotate180", "radioRotate270"})
            QVERIFY2(!Get<QAbstractButton>(&dialog, radio)->isChecked(), radio);
        const std::function<void()> edits[] = {
            [] {},
            [&] { qualityEdit->setText(QStringLiteral("75")); },
            [&] { Get<QAbstractButton>(&dialog, "radioRotate270")->click(); },
            [&] {
                const int jpg = formats->findText(QStringLiteral("JPG"));
                formats->setCurrentIndex(jpg);
                emit formats->activated(jpg);
            },
            [&] { losslessBox->click(); },
        };
        edits[step]();
        Get<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        for (int i = 0; i < 2; ++i) {
            const OutputPhotoFormat after = dialog.AppliedTo(photos[static_cast<std::size_t>(i)]);
            QCOMPARE(after.nCurrentJpegQuality, quality[i]);
            QCOMPARE(after.nRotateAngel, rotation[i]);
            QCOMPARE(after.nOuptputFormat, format[i]);
            QCOMPARE(after.bLossless, lossless[i]);
            QCOMPARE(after.nDpi, 300);  // the same in both, kept
        }
        QVERIFY(prompter.Prompts().empty());
    }

    // At 200 % on a 1920x1080 screen there are 960x540 logical pixels: the
    // settings scroll and OK and Cancel stay within the window.
    void fitsASmallScreen() {
        RecordingPrompter prompter;
        CDialogPhotoOptions dialog(nullptr, &prompter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize minimum = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
        QVERIFY2(minimum.width() <= 960 && minimum.height() <= 540,
                 qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));
        dialog.resize(960, 540);
        QTRY_COMPARE(dialog.size(), QSize(960, 540));
        for (QDialogButtonBox::StandardButton which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
            QPushButton* button = Get<QDialogButtonBox>(&dialog, "buttonBox")->button(which);
            const QRect inDialog(button->mapTo(&dialog, QPoint(0, 0)), button->size());
            QVERIFY2(dialog.rect().contains(inDialog) && button->isVisible(), qPrintable(button->text()));
        }
    }
};

QUILLMERE_QTEST_MAIN(SelectionDialogTest)

#include "SelectionDialogTest.moc"
