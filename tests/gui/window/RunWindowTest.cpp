// A run as a user lives it in the window: it never waits on a box, its end
// box tells the truth, same names stay apart, Stop and "Convert the rest"
// finish the job, and what was set comes back after a restart.

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

#include "ScriptedHooks.h"
#include "WindowTestSupport.h"
#include "dialogs/QtPrompter.h"
#include "model/PhotoListOps.h"
#include "settings/PresetStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "ui_MainDialog.h"
#include "window/DestinationPanel.h"
#include "window/OutputSettingsEditor.h"
#include "window/OverlayPanel.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/RunPanel.h"

namespace {

// Where screenshots of the real end box go, when asked for (under Xvfb).
QString ScreenshotFolder() {
    return qEnvironmentVariable("QUILLMERE_SCREENSHOTS");
}

// The real end box, shown until a screenshot of the screen is taken.
RunSummaryChoice ShotOfSummary(QWidget* parent, const RunSummary& summary, const QString& file) {
    RunSummaryDialog dialog(summary, {}, parent);
    QTimer::singleShot(800, &dialog, [&dialog, file] {
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
        dialog.reject();
    });
    dialog.exec();
    return RunSummaryChoice::Close;
}

// The question closing the window during a run asks, as the real box shows
// it, until a screenshot is taken.
void ShotOfStopQuestion(QWidget* parent, const QString& file) {
    QtPrompter prompter(parent);
    QTimer::singleShot(800, [file] {
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                box->reject();
    });
    prompter.Ask(Prompt{"Stop the conversion and quit?", "Quillmere", PromptButtons::YesNo,
                        PromptIcon::Question, {}, "Stop and quit", "Cancel"});
}

}  // namespace

class RunWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    Script script_;
    RecordingPrompter prompter_{PromptAnswer::No};

    std::unique_ptr<MainDialog> NewWindow(const QString& shot = {}) {
        MainDialogHooks hooks = ScriptedHooks(script_);
        if (!shot.isEmpty() && !ScreenshotFolder().isEmpty())
            hooks.showRunSummary = [this, shot](QWidget* parent, const RunSummary& summary,
                                               std::function<void()>) {
                script_.summaries.push_back(summary);
                return ShotOfSummary(parent, summary, ScreenshotFolder() + "/" + shot);
            };
        auto window = std::make_unique<MainDialog>(&prompter_, std::move(hooks));
        QFile::remove(QString::fromStdString(window->Run().LogFilePath()));  // this test's lines only
        window->Controls().outputFolderEdit->setText(dir_->filePath("out"));
        window->UpdateData(true);
        return window;
    }

    // count photos p01.jpg... with a gradient, so that cutting one short
    // leaves its headers whole and its picture incomplete.
    void AddPhotos(MainDialog& window, int count) {
        const int before = window.List().Count();
        script_.files.clear();
        for (int i = 1; i <= count; ++i) {
            QImage image(240, 160, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgb((x * 7 + i) % 256, (y * 5) % 256, (x * y) % 256));
            const QString path = dir_->filePath(QStringLiteral("in/p%1.jpg").arg(i, 2, 10, QChar('0')));
            QDir().mkpath(dir_->filePath("in"));
            QVERIFY(image.save(path, "JPEG", 90));
            script_.files << path;
        }
        window.Sources().AddPhotos();
        QVERIFY(Gathered(window));
        QCOMPARE(window.List().Count(), before + count);
    }

    void Damage(int number) {
        QFile file(dir_->filePath(QStringLiteral("in/p%1.jpg").arg(number, 2, 10, QChar('0'))));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() * 6 / 10));
    }

    static QStringList LogLines(MainDialog& window) {
        QFile log(QString::fromStdString(window.Run().LogFilePath()));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        script_ = Script{};
        prompter_.Clear();
        QFile::remove(QString::fromStdString(SettingsStore::Location()));
        for (const std::string& name : presets::Names()) QVERIFY(presets::Remove(name, nullptr));
    }

    void twentyPhotosWithThreeDamagedEndWithoutAClick() {
        auto window = NewWindow(QStringLiteral("end-summary.png"));
        window->show();
        AddPhotos(*window, 20);
        for (int damaged : {4, 11, 17}) Damage(damaged);
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        QVERIFY(done.wait(120000));

        QVERIFY2(prompter_.Prompts().empty(), "nothing waited on a click");
        QCOMPARE(script_.summaries.size(), size_t(1));
        const RunSummary& summary = script_.summaries[0];
        std::set<std::string> failed;
        for (const RunSummaryFailure& failure : summary.failures) {
            failed.insert(failure.name);
            QCOMPARE(failure.plain, std::string("the file is damaged or incomplete"));
            QVERIFY(!failure.technical.empty());
        }
        QCOMPARE(failed, (std::set<std::string>{"p04.jpg", "p11.jpg", "p17.jpg"}));
        QVERIFY(summary.canConvertRest);
        QAbstractItemModel* model = window->Controls().photoList->model();
        for (int row = 0; row < 20; ++row) {
            const bool bad = failed.count(window->List().Photos()[row].strFileName) > 0;
            QCOMPARE(model->index(row, kColumnStatus).data().toString(),
                     bad ? QStringLiteral("Failed") : QStringLiteral("Converted"));
        }
        // One log line each, in the order the summary lists them, between
        // the run's start and its end.
        const QStringList lines = LogLines(*window);
        QVERIFY2(lines.first().contains("Conversion started: ") &&
                     lines.first().contains("20 photos; JPG 80, 1024 x 682 from the width"),
                 qPrintable(lines.first()));
        QStringList failures = lines.filter(": the file is damaged or incomplete - ");
        QCOMPARE(failures.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(failures[i].contains(QString::fromStdString(summary.failures[i].name)),
                     qPrintable(failures[i]));
        QVERIFY(lines.last().endsWith("Conversion ended: 17 of 20 converted, 3 failed, "
                                      "0 not replaced, 0 not started"));
        QCOMPARE(window->Controls().progressBar->text(), QStringLiteral("20 of 20"));
    }

    void stopTellsTheTruthAndTheRestFinishesTheJob() {
        // One processor: one photo at a time, so a Stop right after Convert
        // leaves most photos not started.
        OneProcessor one;
        QVERIFY(one.Pinned());
        auto window = NewWindow(QStringLiteral("stop-summary.png"));
        window->show();
        AddPhotos(*window, 12);
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        if (!ScreenshotFolder().isEmpty())
            ShotOfStopQuestion(window.get(), ScreenshotFolder() + "/stop-question.png");
        window->OnConvert();
        window->OnConvert();  // Stop
        QVERIFY(done.wait(60000));
        const std::string folder = window->Run().RunFolder();
        const RunResult stopped = window->Run().LastResult();
        QVERIFY(stopped.stopped);
        QVERIFY(stopped.NotStarted() > 0);
        QCOMPARE(stopped.converted + stopped.NotStarted(), size_t(12));
        QVERIFY(!window->Controls().progressBar->text().contains("left"));
        QCOMPARE(script_.summaries[0].text.substr(0, 9), std::string("Stopped: "));
        QVERIFY(script_.summaries[0].text.find(std::to_string(stopped.NotStarted()) + " not started") !=
                std::string::npos);
        QVERIFY(window->Controls().progressBar->value() < 999);
        QCOMPARE(window->Controls().photoList->model()->index(11, kColumnStatus).data().toString(),
                 QStringLiteral("Not converted"));
        // Nothing is left waiting for a run that is over.
        for (int row = 0; row < 12; ++row)
            QVERIFY(window->Controls().photoList->model()->index(row, kColumnStatus).data().toString() !=
                    QStringLiteral("Waiting"));

        // "Convert the rest": the same folder, the numbers go on.
        window->Run().ConvertRest();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 60000);
        one.Restore();
        QCOMPARE(window->Run().RunFolder(), folder);
        QVERIFY(!window->Run().LastResult().stopped);
        QCOMPARE(window->Run().LastResult().converted, size_t(12));
        const QStringList written = QDir(QString::fromStdString(folder)).entryList(QDir::Files);
        QCOMPARE(written.size(), 12);
        for (int i = 1; i <= 12; ++i)
            QCOMPARE(written.filter(QStringLiteral("output.photo.%1.").arg(i, 2, 10, QChar('0'))).size(), 1);
        QVERIFY(LogLines(*window).filter("Converting the rest: ").size() == 1);
    }

    void restartBringsBackWhatWasSet() {
        OutputPhotoFormat format = BuiltInDefaultOutputPhotoFormat();
        format.nOuptputFormat = kFormatWebp;
        format.nCurrentJpegQuality = 82;
        format.nOuputSizeType = kSizeLongEdge;
        format.nLongEdge = 1600;
        format.bNoEnlarge = 1;
        format.nMetadata = MetadataChoices().back().id;
        {
            auto window = NewWindow();
            window->Settings().SetDefaults(format);
            Ui::MainDialog& ui = window->Controls();
            ui.notRenameCheck->click();
            ui.keepFoldersCheck->setChecked(true);
            ui.namingDateCombo->setCurrentIndex(1);
            ui.overlayTextEdit->setText("Summer 2026");
            script_.presetName = "trip";
            window->Controls().savePresetButton->click();
            window->Controls().applyPresetButton->click();
            window->OnExit();
        }
        for (const bool presetKept : {true, false}) {
            if (!presetKept)
                QVERIFY(presets::Remove("trip", nullptr));
            auto window = NewWindow();
            const OutputPhotoFormat& back = window->Settings().Defaults();
            QCOMPARE(back.nOuptputFormat, format.nOuptputFormat);
            QCOMPARE(back.nCurrentJpegQuality, 82);
            QCOMPARE(back.nOuputSizeType, format.nOuputSizeType);
            QCOMPARE(back.nLongEdge, 1600);
            QCOMPARE(back.bNoEnlarge, format.bNoEnlarge);
            QCOMPARE(back.nMetadata, format.nMetadata);
            QVERIFY(window->Destination().Naming().notRename);
            QVERIFY(window->Destination().Naming().keepFolders);
            QCOMPARE(window->Destination().Naming().date, int32_t(kDateTaken));
            QVERIFY(!window->Controls().renamePrefixEdit->isEnabled());
            QCOMPARE(window->Controls().overlayTextEdit->text(), QStringLiteral("Summer 2026"));
            QCOMPARE(window->Controls().presetCombo->currentText(),
                     presetKept ? QStringLiteral("trip") : QString());
            // The list shows what the photos become.
            AddPhotos(*window, 1);
            QCOMPARE(window->Controls().photoList->model()->index(0, kColumnFormat).data().toString(),
                     QStringLiteral("WebP 82"));
            window->List().Clear();
            window->OnExit();
        }
    }

    void closingAsksOnlyWhenTheListWouldBeLost_data() {
        QTest::addColumn<int>("photos");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<bool>("closed");
        QTest::newRow("empty list closes at once") << 0 << false << true;
        QTest::newRow("photos listed, Cancel") << 2 << false << false;
        QTest::newRow("photos listed, Quit") << 2 << true << true;
    }

    void closingAsksOnlyWhenTheListWouldBeLost() {
        QFETCH(int, photos);
        QFETCH(bool, quit);
        QFETCH(bool, closed);
        auto window = NewWindow();
        window->show();
        if (photos > 0)
            AddPhotos(*window, photos);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        prompter_.Script({quit ? PromptAnswer::Yes : PromptAnswer::No});
        window->close();
        QCOMPARE(!window->isVisible(), closed);
        QCOMPARE(int(prompter_.Prompts().size()), photos > 0 ? 1 : 0);
        if (photos > 0)
            QCOMPARE(prompter_.Texts()[0],
                     std::string("The list of 2 photos is not kept. Do you want to quit?"));
    }

    void gatheringTellsWhatItLeftOut() {
        auto window = NewWindow();
        window->show();
        QDir().mkpath(dir_->filePath("in"));
        for (const char* name : {"notes.jpg", "todo.png"}) {
            QFile text(dir_->filePath(QStringLiteral("in/") + name));
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not a picture");
        }
        QStringList files{dir_->filePath("in/notes.jpg"), dir_->filePath("in/todo.png")};
        AddPhotos(*window, 1);
        script_.files << files;
        window->Sources().AddPhotos();
        QVERIFY(Gathered(*window));
        QCOMPARE(window->List().Count(), 2);
        auto* line = window->findChild<QLabel*>(QStringLiteral("leftOutLabel"));
        QVERIFY(line && line->isVisible());
        QVERIFY2(line->text().startsWith("2 files were left out: not pictures (notes.jpg, todo.png)"),
                 qPrintable(line->text()));
        QCOMPARE(LogLines(*window).filter(": left out, not a picture").size(), 2);
        emit line->linkActivated(QStringLiteral("details"));
        QCOMPARE(prompter_.Prompts().size(), size_t(1));
        QVERIFY(prompter_.Texts()[0].find("todo.png") != std::string::npos);
        // The next gathering that leaves nothing out clears the line.
        AddPhotos(*window, 1);
        QVERIFY(!line->isVisible());
    }
};

QUILLMERE_QTEST_MAIN(RunWindowTest)

#include "RunWindowTest.moc"
