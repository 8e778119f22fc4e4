// The window's name template, places, file dates and outputs as a user sets
// them: the example follows the typing, a bad token is named, and a run
// writes next to the photos with their dates, one file per ticked preset.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include <memory>

#include "ScriptedHooks.h"
#include "settings/PresetStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"
#include "ui_MainDialog.h"
#include "window/PhotoSources.h"
#include "window/RunPanel.h"

class PlacesRowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    Script script_;
    RecordingPrompter prompter_{PromptAnswer::No};

    template <class T>
    static T* Find(MainDialog& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }

private slots:
    void templatePlaceDateAndPresetsReachTheRun() {
        for (const std::string& name : presets::Names()) QVERIFY(presets::Remove(name, nullptr));
        for (const auto& [name, edge] : {std::pair{"big", 60}, {"small", 20}}) {
            Preset preset;
            preset.format.nOuputSizeType = kSizeLongEdge;
            preset.format.nLongEdge = edge;
            QVERIFY(presets::Save(name, preset, nullptr));
        }
        QDir().mkpath(dir_.filePath("Trip/Day1"));
        script_.files.clear();
        for (const char* name : {"Trip/Day1/IMG_1.png", "Trip/Day1/IMG_2.png"}) {
            QImage image(120, 80, QImage::Format_RGB32);
            image.fill(qRgb(30, 140, 200));
            QVERIFY(image.save(dir_.filePath(name), "PNG"));
            QVERIFY(testsupport::SetModified(dir_.filePath(name).toStdString(), 1000000000));
            script_.files << dir_.filePath(name);
        }
        MainDialog window(&prompter_, ScriptedHooks(script_));
        window.Controls().outputFolderEdit->setText(dir_.filePath("out"));
        window.show();
        window.Sources().AddPhotos();
        QVERIFY(Gathered(window));

        auto* templateEdit = Find<QLineEdit>(window, "nameTemplateEdit");
        auto* example = Find<QLabel>(window, "nameExampleLabel");
        templateEdit->setText("{nmae}");
        QVERIFY2(example->text().contains("{nmae}"), qPrintable(example->text()));
        templateEdit->setText("{name}_{preset}");
        Find<QComboBox>(window, "outputPlaceCombo")->setCurrentIndex(2);
        Find<QLineEdit>(window, "besideFolderEdit")->setText("web");
        QMenu* menu = Find<QToolButton>(window, "outputPresetsButton")->menu();
        emit menu->aboutToShow();
        // The file dates' entry, then each preset.
        for (QAction* action : menu->actions()) action->setChecked(true);
        QVERIFY(Find<QAction>(window, "keepFileDateAction")->isChecked());
        QCOMPARE(example->text(), QStringLiteral("e.g. IMG_1_big.jpg"));

        QSignalSpy done(&window.Run(), &RunPanel::ConversionFinished);
        window.OnConvert();
        QVERIFY(done.wait(60000));
        QVERIFY2(prompter_.Prompts().empty(), "nothing was refused");
        QVERIFY(!QFileInfo::exists(dir_.filePath("out")));
        for (const char* name : {"IMG_1_big.jpg", "IMG_1_small.jpg", "IMG_2_big.jpg", "IMG_2_small.jpg"}) {
            const QString path = dir_.filePath(QStringLiteral("Trip/Day1/web/") + name);
            QVERIFY2(QFileInfo::exists(path), name);
            struct stat st {};
            QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
            QCOMPARE(static_cast<long>(st.st_mtime), 1000000000L);
        }
        QCOMPARE(QImage(dir_.filePath("Trip/Day1/web/IMG_1_small.jpg")).width(), 20);
    }

    // The check box and the menu's entry are one choice: ticking the box
    // ticks the entry and the run keeps the dates; the entry unticks the box.
    void keepFileDatesBoxIsTheMenusEntry() {
        QDir().mkpath(dir_.filePath("dates"));
        const QString source = dir_.filePath("dates/IMG_9.png");
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(qRgb(200, 90, 20));
        QVERIFY(image.save(source, "PNG"));
        QVERIFY(testsupport::SetModified(source.toStdString(), 1200000000));
        script_.files = {source};
        MainDialog window(&prompter_, ScriptedHooks(script_));
        window.Controls().outputFolderEdit->setText(dir_.filePath("dates-out"));
        window.show();
        window.Sources().AddPhotos();
        QVERIFY(Gathered(window));
        Find<QLineEdit>(window, "nameTemplateEdit")->setText("{name}_dated");
        Find<QComboBox>(window, "outputPlaceCombo")->setCurrentIndex(1);

        auto* box = Find<QCheckBox>(window, "keepFileDateCheck");
        auto* entry = Find<QAction>(window, "keepFileDateAction");
        entry->setChecked(false);
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(entry->isChecked());

        QSignalSpy done(&window.Run(), &RunPanel::ConversionFinished);
        window.OnConvert();
        QVERIFY(done.wait(60000));
        struct stat st {};
        QCOMPARE(::stat(dir_.filePath("dates-out/IMG_9_dated.jpg").toLocal8Bit().constData(), &st), 0);
        QCOMPARE(static_cast<long>(st.st_mtime), 1200000000L);

        entry->trigger();
        QVERIFY(!box->isChecked());
    }
};

QUILLMERE_QTEST_MAIN(PlacesRowTest)

#include "PlacesRowTest.moc"
