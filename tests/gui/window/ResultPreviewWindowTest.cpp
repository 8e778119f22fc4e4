// The list's thumbnails and folder column, and the result preview following
// the keyboard, as a user sees them.

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMap>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "ScriptedHooks.h"
#include "WindowTestSupport.h"
#include "model/PhotoListOps.h"
#include "platform/SettingsStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "ui_MainDialog.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/PreviewFrame.h"

class ResultPreviewWindowTest : public QObject, private WindowTestBase {
    Q_OBJECT

private:
    QTemporaryDir photos_;

    std::unique_ptr<MainDialog> NewWindow() {
        auto window = WindowTestBase::NewWindow();
        window->resize(1400, 900);
        window->show();
        return window;
    }

private slots:
    void init() { ResetWindowTest(settings::kWindowStore); }

    // A searched folder: every photo listed at once, the folder below the
    // searched one beside it, the visible rows' thumbnails filling in with
    // the photos' own colours.
    void thumbnailsFillInAfterASearch() {
        const QString root = photos_.filePath("shoot");
        for (int i = 0; i < 40; ++i)
            WritePhoto(QStringLiteral("%1/%2/IMG_%3.jpg")
                           .arg(root, i % 2 ? QStringLiteral("day2") : QStringLiteral("day1"))
                           .arg(i / 2, 4, 10, QLatin1Char('0')),
                       640, 480, QColor(30, 90, 200));
        auto window = NewWindow();
        script_.folder = Native(root);
        window->Sources().SearchPhotos();
        QVERIFY(Gathered(*window));
        QAbstractItemModel* model = window->Controls().photoList->model();
        QCOMPARE(model->rowCount(), 40);
        QCOMPARE(model->headerData(kColumnFolder, Qt::Horizontal).toString(),
                 QStringLiteral("Folder"));
        // Two photos of one name tell their folders apart.
        QMap<QString, QSet<QString>> foldersOf;
        for (int row = 0; row < 40; ++row)
            foldersOf[model->index(row, kColumnFileName).data().toString()]
                << model->index(row, kColumnFolder).data().toString();
        QCOMPARE(foldersOf.size(), 20);
        QCOMPARE(foldersOf.value(QStringLiteral("IMG_0000.jpg")),
                 (QSet<QString>{"day1", "day2"}));

        const QModelIndex first = model->index(0, kColumnFileName);
        QTRY_VERIFY_WITH_TIMEOUT(!first.data(Qt::DecorationRole).value<QImage>().isNull(), 20000);
        const QImage thumbnail = first.data(Qt::DecorationRole).value<QImage>();
        const QColor middle = thumbnail.pixelColor(thumbnail.width() / 2, thumbnail.height() / 2);
        QVERIFY2(qAbs(middle.blue() - 200) < 12 && qAbs(middle.red() - 30) < 12,
                 qPrintable(middle.name()));

        // The photo replaced on disk by another: its row shows the new one.
        const QString path = QString::fromStdString(window->List().Photos()[0].strSourcePath);
        WritePhoto(path, 640, 480, QColor(220, 40, 20));
        auto middleOf = [&first] {
            const QImage shown = first.data(Qt::DecorationRole).value<QImage>();
            return shown.pixelColor(shown.width() / 2, shown.height() / 2);
        };
        QTRY_VERIFY_WITH_TIMEOUT(middleOf().red() > 200 && middleOf().blue() < 40, 20000);
    }

    // Up and Down in the list bring the result of the row they reach, with
    // its output size; Space opens it at full size.
    void previewFollowsTheKeyboard() {
        auto window = NewWindow();
        QVERIFY(
            AddPhotos(*window, {WritePhoto(photos_.filePath("wide.png"), 400, 100, Qt::darkGreen),
                                WritePhoto(photos_.filePath("tall.png"), 100, 400, Qt::darkRed)}));
        QTableView* list = window->Controls().photoList;
        PreviewFrame* frame = window->Controls().previewFrame;
        QSignalSpy shown(frame, &PreviewFrame::PhotoShown);
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        QVERIFY(shown.wait(20000));
        const auto pathOf = [&window](int row) {
            return QString::fromStdString(window->List().Photos()[std::size_t(row)].strSourcePath);
        };
        QCOMPARE(shown.takeLast().at(0).toString(), pathOf(0));

        QTest::keyClick(list, Qt::Key_Down);
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 20000);
        QCOMPARE(shown.takeLast().at(0).toString(), pathOf(1));
        const PhotoItem& second = window->List().Photos()[1];
        const QString size = QStringLiteral("%1 x %2 \u00b7 ")
                                 .arg(second.m_outputPhotoFormat.nOutputWidth)
                                 .arg(second.m_outputPhotoFormat.nOutputHeight);
        QVERIFY2(frame->Caption().startsWith(size), qPrintable(frame->Caption()));
        QVERIFY(frame->Caption().contains(QStringLiteral(" KB")) ||
                frame->Caption().contains(QStringLiteral(" bytes")));
        // In the output's own proportions.
        QCOMPARE(frame->Image().height() > frame->Image().width(),
                 second.m_outputPhotoFormat.nOutputHeight > second.m_outputPhotoFormat.nOutputWidth);

        QTest::keyClick(list, Qt::Key_Space);
        QDialog* larger = nullptr;
        QTRY_VERIFY((larger = window->findChild<QDialog*>(QStringLiteral("resultDialog"))));
        QTRY_VERIFY_WITH_TIMEOUT(
            larger->findChild<QLabel*>() &&
                larger->findChild<QLabel*>()->pixmap().size() ==
                    QSize(second.m_outputPhotoFormat.nOutputWidth,
                          second.m_outputPhotoFormat.nOutputHeight),
            20000);
        larger->close();
    }
};

QUILLMERE_QTEST_MAIN(ResultPreviewWindowTest)

#include "ResultPreviewWindowTest.moc"
