// The window's preset list shared with the command line, Keep sub-folders,
// and the overlay on the preview.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "ScriptedHooks.h"
#include "WindowTestSupport.h"
#include "platform/SettingsStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"
#include "ui_MainDialog.h"
#include "window/DestinationPanel.h"
#include "window/MainDialog.h"
#include "window/OutputSettingsEditor.h"
#include "window/OverlayPanel.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/PreviewFrame.h"
#include "window/RunPanel.h"

namespace {

// quillmere-convert with the test's settings store; its exit status and
// standard output.
int Convert(const QStringList& args, QString* out = nullptr) {
    std::vector<std::string> argv{QUILLMERE_CONVERT_BIN};
    for (const QString& arg : args) argv.push_back(Native(arg));
    const testsupport::TempDir dir;
    const testsupport::ProgramOutcome r =
        testsupport::FinishProgram(testsupport::StartProgram(argv, dir.path()), dir.path());
    if (out)
        *out = QString::fromStdString(r.out);
    return r.exitCode;
}

// Pixels of the image's quarter (0 top left ... 3 bottom right) in the
// text's red, which neither the photo nor the frame's black has.
int RedIn(const QImage& image, int quarter) {
    const int x0 = quarter % 2 ? image.width() / 2 : 0, y0 = quarter / 2 ? image.height() / 2 : 0;
    int red = 0;
    for (int y = y0; y < y0 + image.height() / 2; ++y)
        for (int x = x0; x < x0 + image.width() / 2; ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 60;
        }
    return red;
}

}  // namespace

class MainDialogPresetsTest : public QObject, private WindowTestBase {
    Q_OBJECT

private:
    QTemporaryDir photos_;

    QString MakePhoto(const QString& name, int width = 40, int height = 30) {
        return WritePhoto(photos_.filePath(name), width, height, QColor(200, 160, 90));
    }

private slots:
    void init() { ResetWindowTest(settings::kWindowStore); }

    void presetsAreSharedWithTheCommandLine() {
        // Saved by the command line, applied from the window's list.
        QCOMPARE(Convert({"--save-preset", "web", "-f", "png", "-W", "300", "--prefix", "web",
                          "--keep-folders", "--text", "(c)", "--text-anchor", "bottom-right",
                          "--text-opacity", "60"}),
                 0);
        auto window = NewWindow();
        Ui::MainDialog& ui = window->Controls();
        QVERIFY(AddPhotos(*window, {MakePhoto("a.png"), MakePhoto("b.png")}));
        // No preset was applied yet: none is shown as if it were.
        QCOMPARE(ui.presetCombo->currentText(), QString());
        ui.presetCombo->setCurrentIndex(0);
        QCOMPARE(ui.presetCombo->currentText(), QStringLiteral("web"));
        prompter_.Script({PromptAnswer::Yes});
        ui.applyPresetButton->click();
        QCOMPARE(prompter_.Texts(),
                 std::vector<std::string>{"Give the 2 photos in the list these settings too?"});
        QCOMPARE(window->Settings().Defaults().nOuptputFormat, int32_t(kFormatPng));
        for (const PhotoItem& photo : window->List().Photos())
            QCOMPARE(photo.m_outputPhotoFormat.nOutputHeight, 225);  // 40 x 30 at width 300
        QCOMPARE(ui.renamePrefixEdit->text(), QStringLiteral("web"));
        QVERIFY(ui.keepFoldersCheck->isChecked());
        QCOMPARE(ui.overlayTextEdit->text(), QStringLiteral("(c)"));
        QCOMPARE(ui.textAnchorCombo->currentData().toInt(), int(kAnchorBottomRight));
        QCOMPARE(ui.textOpacitySpin->value(), 60);

        // Saved from the window, used by the command line.
        ui.notRenameCheck->click();
        script_.presetName = "from window";
        ui.savePresetButton->click();
        QCOMPARE(ui.presetCombo->currentText(), QStringLiteral("from window"));
        const QString into = photos_.filePath("into");
        QCOMPARE(Convert({"--preset", "from window", "--into", into, MakePhoto("c.png")}), 0);
        QCOMPARE(QDir(into).entryList(QDir::Files), QStringList{"c.png"});  // Not rename, PNG

        // Saving over a name asks first; Delete asks, and then the command line no longer lists it.
        prompter_.Clear();
        ui.savePresetButton->click();
        QCOMPARE(prompter_.Texts(),
                 std::vector<std::string>{
                     "The preset \"from window\" exists. Do you want to replace it?"});
        prompter_.Script({PromptAnswer::Yes});
        ui.deletePresetButton->click();
        QString listed;
        QCOMPARE(Convert({"--list-presets"}, &listed), 0);
        QCOMPARE(listed, QStringLiteral("web\n"));
        QCOMPARE(ui.presetCombo->count(), 1);
    }

    // A preset holding a value its setting does not take changes nothing and
    // says which key it is.
    void aRefusedPresetIsNotApplied() {
        QCOMPARE(Convert({"--save-preset", "odd", "-f", "png", "--text-opacity", "60"}), 0);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, settings::kMaker, settings::kWindowStore)
            .setValue("Presets/odd/nTextOpacity", "140");
        auto window = NewWindow();
        Ui::MainDialog& ui = window->Controls();
        ui.presetCombo->setCurrentIndex(0);
        QCOMPARE(ui.presetCombo->currentText(), QStringLiteral("odd"));
        ui.applyPresetButton->click();
        const std::vector<Prompt> told = prompter_.Prompts();
        QCOMPARE(told.size(), size_t(1));
        QCOMPARE(told[0].text, std::string("The preset \"odd\" was not applied."));
        QVERIFY2(told[0].detail.find("nTextOpacity") != std::string::npos, told[0].detail.c_str());
        QCOMPARE(window->Settings().Defaults().nOuptputFormat, int32_t(kFormatJpg));
        QCOMPARE(ui.textOpacitySpin->value(), 100);
    }

    void keepSubFoldersMirrorsASearch() {
        auto window = NewWindow();
        MakePhoto("Holiday/Day1/IMG_0001.png");
        MakePhoto("Holiday/Day2/IMG_0001.png");
        script_.folder = Native(photos_.filePath("Holiday"));
        window->Sources().SearchPhotos();
        QVERIFY(Gathered(*window));
        Ui::MainDialog& ui = window->Controls();
        ui.keepFoldersCheck->click();
        ui.notRenameCheck->click();
        ui.outputFolderEdit->setText(photos_.filePath("out"));
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        QVERIFY(done.wait(60000));
        const QString run = QString::fromStdString(window->Run().RunFolder());
        QVERIFY(QFile::exists(run + "Day1/IMG_0001.jpg"));
        QVERIFY(QFile::exists(run + "Day2/IMG_0001.jpg"));
        // No replace question: the two no longer share a name.
        QVERIFY(prompter_.Texts().empty());
        QCOMPARE(script_.summaries.size(), size_t(1));
    }

    void previewShowsTheOverlayWhereItGoes() {
        auto window = NewWindow();
        QVERIFY(AddPhotos(*window, {MakePhoto("photo.png", 400, 300)}));
        QVERIFY(ResultShown(*window, 0));
        PreviewFrame* frame = window->Controls().previewFrame;
        Ui::MainDialog& ui = window->Controls();
        QCOMPARE(RedIn(frame->grab().toImage(), 3), 0);
        script_.color = 0x0000FF;  // red, as 0x00BBGGRR
        window->OnFont();
        ui.overlayTextEdit->setText("HHHH");
        ui.textSizeSpin->setValue(20);
        ui.textAnchorCombo->setCurrentIndex(kAnchorBottomRight);
        // The result is made again, a moment after the last change.
        QTRY_VERIFY_WITH_TIMEOUT(RedIn(frame->grab().toImage(), 3) > 0, 10000);
        QImage shot = frame->grab().toImage();
        QCOMPARE(RedIn(shot, 0), 0);
        ui.textAnchorCombo->setCurrentIndex(kAnchorTopLeft);
        QTRY_VERIFY_WITH_TIMEOUT(RedIn(frame->grab().toImage(), 0) > 0, 10000);
        shot = frame->grab().toImage();
        QCOMPARE(RedIn(shot, 3), 0);
    }

    // A watermark saved by the command line comes into the window's
    // controls with the preset and onto the preview at its anchor.
    void presetWatermarkShowsOnThePreview() {
        QImage logo(8, 8, QImage::Format_ARGB32);
        logo.fill(Qt::red);
        const QString logoPath = photos_.filePath("logo.png");
        QVERIFY(logo.save(logoPath));
        QCOMPARE(Convert({"--save-preset", "logo", "--watermark", logoPath, "--watermark-anchor",
                          "top-left", "--watermark-size-percent", "30"}),
                 0);
        auto window = NewWindow();
        QVERIFY(AddPhotos(*window, {MakePhoto("photo.png", 400, 300)}));
        QVERIFY(ResultShown(*window, 0));
        PreviewFrame* frame = window->Controls().previewFrame;
        QCOMPARE(RedIn(frame->grab().toImage(), 0), 0);
        window->Controls().presetCombo->setCurrentIndex(0);
        QCOMPARE(window->Controls().presetCombo->currentText(), QStringLiteral("logo"));
        window->Controls().applyPresetButton->click();
        QCOMPARE(window->findChild<QLineEdit*>("watermarkFileEdit")->text(), logoPath);
        QTRY_VERIFY_WITH_TIMEOUT(RedIn(frame->grab().toImage(), 0) > 0, 10000);
        const QImage shot = frame->grab().toImage();
        QVERIFY(RedIn(shot, 0) > 0);
        QCOMPARE(RedIn(shot, 3), 0);
        QCOMPARE(window->Overlay().Overlay().watermark.sizePercent, 30.0);
    }
};

QUILLMERE_QTEST_MAIN(MainDialogPresetsTest)

#include "MainDialogPresetsTest.moc"
