// The main window driven as a user would, with scripted choosers, dialogs
// and message boxes.

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>

#include "ScriptedHooks.h"
#include "WindowTestSupport.h"
#include "gather/PhotoGathering.h"
#include "model/OptionTables.h"
#include "model/PhotoListOps.h"
#include "platform/SettingsStore.h"
#include "settings/FontSettings.h"
#include "support/RecordingPrompter.h"
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

constexpr const char* kStoreName = "quillmere-window-tests";

std::vector<std::string> Names(MainDialog& window) {
    std::vector<std::string> names;
    for (const PhotoItem& photo : window.List().Photos()) names.push_back(photo.strFileName);
    return names;
}

}  // namespace

class MainDialogTest : public QObject, private WindowTestBase {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> photos_;

    // A small picture of its own size; the modification time is set so
    // that names and times sort differently.
    QString MakePhoto(const QString& name, int width = 40, int height = 30, int minutesOld = 0) {
        const QColor colour(200, 40 + name.size() * 10, 90);
        const QString path = WritePhoto(photos_->filePath(name), width, height, colour);
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesOld),
                         QFileDevice::FileModificationTime);
        return path;
    }

    // Adds photos named by letters ("abcdef" -> a.png ... f.png) through Add Photos.
    void AddLetters(MainDialog& window, const QString& letters) {
        script_.files.clear();
        QStringList files;
        int age = 0;
        for (QChar letter : letters) files << MakePhoto(QString(letter) + ".png", 40, 30, age++);
        QVERIFY(AddPhotos(window, files));
    }

private slots:
    void init() {
        ResetWindowTest(kStoreName);
        photos_ = std::make_unique<QTemporaryDir>();
    }

    void firstStartShowsDefaultsAndDisabledCommands() {
        auto window = NewWindow();
        Ui::MainDialog& ui = window->Controls();
        QCOMPARE(ui.renamePrefixEdit->text(), QStringLiteral("output.photo"));
        QCOMPARE(ui.textXEdit->text(), QStringLiteral("0"));
        QCOMPARE(ui.textYEdit->text(), QStringLiteral("0"));
        QCOMPARE(ui.totalLabel->text(), QStringLiteral("Total photos: 0"));
        QVERIFY(ui.outputFolderEdit->text().endsWith(QStringLiteral("Quillmere/")));
        for (QPushButton* button : {ui.convertButton, ui.editButton, ui.upButton, ui.downButton,
                                    ui.deleteButton, ui.clearButton})
            QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
        window->show();
        for (QWidget* hidden :
             {static_cast<QWidget*>(ui.logList), static_cast<QWidget*>(ui.saveListButton),
              static_cast<QWidget*>(ui.loadListButton)})
            QVERIFY(!hidden->isVisible());
        QVERIFY(ui.viewLogButton->isVisible());
        const QStringList titles{"File name", "Width * Height", "Time", "Output Width * Height",
                                 "Rotate",    "Format",         "Folder", "Status"};
        QAbstractItemModel* model = ui.photoList->model();
        QCOMPARE(model->columnCount(), titles.size());
        for (int column = 0; column < titles.size(); ++column)
            QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), titles[column]);
        // Every title fits its column at the font in use, and so does a
        // time; the names take the room the window has.
        QHeaderView* header = ui.photoList->horizontalHeader();
        for (int column = 0; column < titles.size(); ++column)
            QVERIFY2(header->sectionSize(column) >
                         header->fontMetrics().horizontalAdvance(titles[column]),
                     qPrintable(titles[column]));
        QVERIFY(header->sectionSize(2) >
                ui.photoList->fontMetrics().horizontalAdvance(QStringLiteral("2024/12/31 23:59:59")));
        QCOMPARE(ui.photoList->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(ui.photoList->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(ui.photoList->showGrid());
        QCOMPARE(window->Run().LogFilePath(), window->Destination().OutputFolder() + "Corvale.log");
    }

    void addPhotosShowsRowsAndRemembersFolder() {
        auto window = NewWindow();
        script_.files << MakePhoto("big.png", 300, 200) << photos_->filePath("missing.png");
        QFile text(photos_->filePath("notes.txt"));
        text.open(QIODevice::WriteOnly);
        text.write("not a picture");
        text.close();
        script_.files << text.fileName();
        window->Sources().AddPhotos();
        QVERIFY(Gathered(*window));
        QCOMPARE(script_.filesTitle, QStringLiteral("Select Photo Files..."));
        // The filter shows what a folder search finds, in both letter cases.
        QCOMPARE(script_.filters.size(), 2);
        const QString patterns = " " + script_.filters[0].section(QLatin1Char('('), -1);
        for (int i = 0; i < kPhotoExtensionCount; ++i) {
            const QString extension = QLatin1String(PhotoExtensions()[i]);
            QVERIFY2(patterns.contains(" *" + extension + " *" + extension.toUpper()),
                     PhotoExtensions()[i]);
        }
        QCOMPARE(patterns.count(QLatin1Char('*')), 2 * kPhotoExtensionCount);
        QCOMPARE(window->List().Count(), 1);
        QAbstractItemModel* model = window->Controls().photoList->model();
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("big.png"));
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("300*200"));
        QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("1024*682"));
        QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("0"));
        QCOMPARE(window->Controls().totalLabel->text(), QStringLiteral("Total photos: 1"));
        QVERIFY(window->Controls().convertButton->isEnabled());
        const std::string folder = Native(photos_->path()) + "/";
        QCOMPARE(SettingsStore::GetString("Option", "LastPhotoFolder", ""), folder);
        // The missing file was told about; the text file was dropped silently.
        QCOMPARE(prompter_.Prompts().size(), size_t(1));

        window->Sources().AddPhotos();  // the dialog opens where the last photo came from

        QVERIFY(Gathered(*window));
        QCOMPARE(Native(script_.filesFolder), folder);
        QCOMPARE(window->List().Count(), 2);  // the same file twice is listed twice
    }

    void dropAddsFilesInOrderAndSearchesFolders() {
        auto window = NewWindow();
        window->show();
        QDir(photos_->path()).mkpath("folder/sub");
        MakePhoto("folder/sub/deeper.png");
        MakePhoto("folder/inside.png");
        QFile text(photos_->filePath("notes.png"));  // named like a picture, but text
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(MakePhoto("two.png")),
                      QUrl::fromLocalFile(photos_->filePath("folder")),
                      QUrl::fromLocalFile(photos_->filePath("notes.png")),
                      QUrl::fromLocalFile(MakePhoto("one.png")),
                      QUrl("https://example.org/x.png")});
        const QPoint middle = window->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QVERIFY(Gathered(*window));
        QCOMPARE(Names(*window),
                 (std::vector<std::string>{"two.png", "inside.png", "deeper.png", "one.png"}));
        QVERIFY(prompter_.Prompts().empty());
        QCOMPARE(SettingsStore::GetString("Option", "LastPhotoFolder", "unset"),
                 std::string("unset"));
    }

    // What a file manager's "Open with" hands over takes the same way.
    void startupPathsAreOpenedLikeADrop() {
        auto window = NewWindow();
        QDir(photos_->path()).mkpath("album");
        MakePhoto("album/b.png");
        window->OpenPaths({Native(MakePhoto("a.png")), Native(photos_->filePath("album")),
                           Native(photos_->filePath("missing.png"))});
        QVERIFY(Gathered(*window));
        QCOMPARE(Names(*window), (std::vector<std::string>{"a.png", "b.png"}));
        QCOMPARE(window->Controls().totalLabel->text(), QStringLiteral("Total photos: 2"));
    }

    void searchWalksBreadthFirstAndRemembersLastFolder() {
        auto window = NewWindow();
        QVERIFY(SettingsStore::WriteString("Option", "m_last_browse_fold", "/earlier/").IsOk());
        MakePhoto("tree/a.jpg");
        MakePhoto("tree/S/b.png");
        MakePhoto("tree/S/x.raw");
        script_.folder = Native(photos_->filePath("tree"));
        window->Sources().SearchPhotos();
        QVERIFY(Gathered(*window));
        QCOMPARE(script_.folderStart, std::string("/earlier/"));
        QCOMPARE(Names(*window), (std::vector<std::string>{"a.jpg", "b.png"}));
        QCOMPARE(SettingsStore::GetString("Option", "m_last_browse_fold", ""),
                 script_.folder + "/S/");

        script_.folder.clear();  // cancelled: nothing changes
        window->Sources().SearchPhotos();
        QVERIFY(Gathered(*window));
        QCOMPARE(window->List().Count(), 2);
    }

    void searchLogsWhatItCannotLookInto() {
        auto window = NewWindow();
        MakePhoto("tree/a.jpg");
        const QString loop = photos_->filePath("tree/loop");
        QVERIFY(QFile::link(loop, loop));
        script_.folder = Native(photos_->filePath("tree"));
        window->Sources().SearchPhotos();
        QVERIFY(Gathered(*window));
        QCOMPARE(Names(*window), (std::vector<std::string>{"a.jpg"}));
        QFile log(QString::fromStdString(window->Run().LogFilePath()));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(
            (Native(loop) + ": could not be searched (Too many levels of symbolic links)\n")
                .c_str()));
    }

    void editOpensOneDialogForTheSelection() {
        auto window = NewWindow();
        AddLetters(*window, QStringLiteral("abcd"));
        const auto rotations = [&window] {
            std::vector<int32_t> rotations;
            for (const PhotoItem& photo : window->List().Photos())
                rotations.push_back(photo.m_outputPhotoFormat.nRotateAngel);
            return rotations;
        };
        window->List().SelectRows({0, 2, 3});
        script_.editAnswers = {false};
        window->Settings().Edit();
        QCOMPARE(rotations(), (std::vector<int32_t>{0, 0, 0, 0}));

        script_.editAnswers = {true};
        script_.editWidth = 20;
        window->List().SelectRows({0, 2, 3});
        window->Settings().Edit();
        QCOMPARE(script_.selectionsSeen, (std::vector<std::size_t>{3, 3}));
        QCOMPARE(rotations(), (std::vector<int32_t>{90, 0, 90, 90}));
        // The output size is worked out again for the edited photos: 40x30 at width 20.
        const std::vector<PhotoItem>& photos = window->List().Photos();
        QCOMPARE(photos[0].m_outputPhotoFormat.nOutputHeight, 15);
        QCOMPARE(photos[1].m_outputPhotoFormat.nOutputWidth, 1024);
        QCOMPARE(window->Controls().photoList->model()->index(3, 4).data().toString(),
                 QStringLiteral("90"));

        window->List().SelectRows({});
        prompter_.Clear();
        window->Settings().Edit();
        QCOMPARE(prompter_.Texts(), std::vector<std::string>{"Please select items!"});
        QCOMPARE(script_.selectionsSeen.size(), size_t(2));
    }

    void optionsAsksBeforeChangingEveryPhoto_data() {
        QTest::addColumn<int>("photos");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int32_t>("rotateAfter");
        QTest::newRow("yes changes every photo") << 2 << true << 1 << 90;
        QTest::newRow("no changes only new photos") << 2 << false << 1 << 0;
        QTest::newRow("empty list asks nothing") << 0 << true << 0 << 0;
    }

    void optionsAsksBeforeChangingEveryPhoto() {
        QFETCH(int, photos);
        QFETCH(bool, yes);
        QFETCH(int, questions);
        QFETCH(int32_t, rotateAfter);
        auto window = NewWindow();
        if (photos > 0)
            AddLetters(*window, QStringLiteral("ab").left(photos));
        prompter_.Clear();
        prompter_.Script({yes ? PromptAnswer::Yes : PromptAnswer::No});
        script_.editAnswers = {true};
        window->Settings().Options();
        QCOMPARE(int(prompter_.Prompts().size()), questions);
        if (questions) {
            const auto asked = prompter_.Prompts().front();
            QCOMPARE(asked.text, std::string("Give the 2 photos in the list these settings too?"));
            QCOMPARE(asked.caption, std::string("Question"));
            QVERIFY(asked.buttons == PromptButtons::YesNo);
            QVERIFY(asked.icon == PromptIcon::Question);
        }
        for (const PhotoItem& photo : window->List().Photos())
            QCOMPARE(photo.m_outputPhotoFormat.nRotateAngel, rotateAfter);
        QCOMPARE(window->Settings().Defaults().nRotateAngel, 90);
        AddLetters(*window, QStringLiteral("z"));  // photos added now get the new settings
        QCOMPARE(window->List().Photos().back().m_outputPhotoFormat.nRotateAngel, 90);
    }

    void notRenameTogglesThePrefixControls() {
        auto window = NewWindow();
        Ui::MainDialog& ui = window->Controls();
        for (bool checked : {true, false, true}) {
            ui.notRenameCheck->click();
            for (QWidget* widget : {static_cast<QWidget*>(ui.renamePrefixLabel),
                                    static_cast<QWidget*>(ui.renamePrefixEdit),
                                    static_cast<QWidget*>(ui.renameSuffixLabel),
                                    static_cast<QWidget*>(ui.namingDateCombo)})
                QCOMPARE(widget->isEnabled(), !checked);
        }
    }

    void previewShowsTheFirstSelectedPhoto() {
        auto window = NewWindow();
        QVERIFY(
            AddPhotos(*window, {MakePhoto("wide.png", 400, 100), MakePhoto("tall.png", 100, 400),
                                MakePhoto("square.png", 200, 200)}));
        PreviewFrame* frame = window->Controls().previewFrame;
        QSignalSpy shown(frame, &PreviewFrame::PhotoShown);
        window->List().SelectRows({1, 2});
        window->OnPreview();
        QVERIFY(shown.wait(10000));
        QCOMPARE(shown.takeFirst().at(0).toString(), script_.files[1]);
        // Decoded small, upright: the tall photo stays taller than wide.
        QVERIFY(!frame->Image().isNull());
        QVERIFY(frame->Image().height() > frame->Image().width());
        QVERIFY(frame->Image().height() <= 400);

        window->List().SelectRows({});
        window->OnPreview();  // nothing selected: the frame keeps its photo
        QVERIFY(!frame->Image().isNull());
        window->OnClear();
        QVERIFY(frame->Image().isNull());
    }

    void badPositionIsToldAndKeepsTheValueBefore() {
        auto window = NewWindow();
        window->Controls().textXEdit->setText("12");
        window->Controls().textYEdit->setText("x3");
        QVERIFY(!window->UpdateData(true));
        QCOMPARE(prompter_.Texts(), std::vector<std::string>{"Please enter an integer."});
        window->Controls().textYEdit->setText("");
        prompter_.Clear();
        QVERIFY(!window->UpdateData(true));
        QCOMPARE(prompter_.Texts(), std::vector<std::string>{"Please enter an integer."});

        // The run goes on with the values taken before: X 2000 is beyond the
        // default width, so the run's own check resets it, although the
        // typed text would read as 12.
        window->Controls().textXEdit->setText("2000");
        window->Controls().textYEdit->setText("5");
        QVERIFY(window->UpdateData(true));
        window->Controls().textXEdit->setText("12abc");
        window->Controls().outputFolderEdit->setText(photos_->filePath("out"));
        prompter_.Clear();
        window->OnConvert();
        QCOMPARE(prompter_.Texts(),
                 (std::vector<std::string>{"Please enter an integer.",
                                           "The text position X is bigger than the photo width!, "
                                           "The program set it to 0 now."}));
        QCOMPARE(window->Controls().textXEdit->text(), QStringLiteral("0"));
        QCOMPARE(window->Controls().textYEdit->text(), QStringLiteral("5"));
    }

    void exitWritesSettingsThatTheNextStartReads() {
        script_.font.lfFaceName = "DejaVu Serif";
        script_.font.lfHeight = -20;
        script_.font.lfWeight = 700;
        script_.color = 0x0000FF;
        const std::string folder = Native(photos_->path()) + "/out";
        {
            auto window = NewWindow();
            window->show();
            window->OnFont();
            QCOMPARE(window->Controls().fontFaceLabel->text(), QStringLiteral("DejaVu Serif"));
            window->Controls().outputFolderEdit->setText(
                QFile::decodeName(QByteArray::fromStdString(folder)));
            window->Controls().renamePrefixEdit->setText("trip");
            QCOMPARE(window->Controls().namingDateCombo->currentText(),
                     QStringLiteral("File date"));
            window->Controls().namingDateCombo->setCurrentIndex(1);
            QSignalSpy finished(window.get(), &QDialog::finished);
            QTest::keyClick(window.get(), Qt::Key_Return);  // Enter does nothing
            QVERIFY(window->isVisible());
            QTest::keyClick(window.get(), Qt::Key_Escape);  // Escape never closes
            QVERIFY(window->isVisible());
            window->Controls().exitButton->click();  // an empty list: nothing to ask
            QCOMPARE(finished.count(), 1);
            QVERIFY(!window->isVisible());
        }
        QCOMPARE(SettingsStore::GetString("Option", "photo_output_folder", ""), folder);
        QCOMPARE(SettingsStore::GetString("Option", "m_batch_renamer", ""), std::string("trip"));
        QCOMPARE(SettingsStore::GetInt("CurrentFont", "nCurrentColor", -1), 0x0000FF);
        auto next = NewWindow();
        QCOMPARE(next->Destination().OutputFolder(), folder + "/");
        QCOMPARE(next->Controls().renamePrefixEdit->text(), QStringLiteral("trip"));
        QCOMPARE(next->Controls().namingDateCombo->currentText(), QStringLiteral("Date taken"));
        QCOMPARE(next->Destination().Naming().date, int32_t(kDateTaken));
        QCOMPARE(next->Overlay().Overlay().font.lfFaceName, std::string("DejaVu Serif"));
        QCOMPARE(next->Overlay().Overlay().font.lfHeight, -20);
        QCOMPARE(next->Overlay().Overlay().color, uint32_t(0x0000FF));
    }

    void browseSetsOnlyTheFolder() {
        auto window = NewWindow();
        window->Controls().renamePrefixEdit->setText("typed");
        script_.folder = "/srv/photos";
        window->OnBrowse();
        QCOMPARE(window->Destination().OutputFolder(), std::string("/srv/photos/"));
        QCOMPARE(window->Controls().outputFolderEdit->text(), QStringLiteral("/srv/photos/"));
        QCOMPARE(window->Controls().renamePrefixEdit->text(), QStringLiteral("typed"));
        const std::string log = window->Run().LogFilePath();
        QVERIFY(log.find("/srv/photos/") == std::string::npos);  // the log stays where it started
    }

    void convertWritesEveryPhotoAndOffersTheFolder() {
        auto window = NewWindow();
        window->show();
        const QString out = photos_->filePath("out");
        QDir().mkpath(out);
        window->Controls().outputFolderEdit->setText(out);
        window->UpdateData(true);
        AddLetters(*window, QStringLiteral("abc"));
        window->Controls().overlayTextEdit->setText("Hi");
        prompter_.Clear();
        script_.summaryChoices = {RunSummaryChoice::OpenFolder};
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        QVERIFY(window->Run().IsRunning());
        Ui::MainDialog& ui = window->Controls();
        QCOMPARE(ui.convertButton->text(), QStringLiteral("&Stop"));
        QVERIFY(ui.convertButton->isEnabled());
        for (QPushButton* button :
             {ui.addPhotosButton, ui.searchPhotosButton, ui.optionsButton, ui.editButton,
              ui.upButton, ui.downButton, ui.deleteButton, ui.clearButton})
            QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
        // Exit and the close box ask first; Cancel (the fallback No) keeps
        // the run going. Escape does not close at all.
        window->OnExit();
        QVERIFY(window->isVisible());
        QVERIFY(!window->close());
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QVERIFY(!prompter_.Prompts().empty());
        const Prompt stop = prompter_.Prompts().front();
        QCOMPARE(stop.text, std::string("Stop the conversion and quit?"));
        QCOMPARE(stop.yesText, std::string("Stop and quit"));
        QCOMPARE(stop.noText, std::string("Cancel"));
        QVERIFY(done.wait(60000));

        QCOMPARE(ui.convertButton->text(), QStringLiteral("&Convert"));
        QVERIFY(ui.addPhotosButton->isEnabled());
        QVERIFY(ui.upButton->isEnabled());
        QCOMPARE(ui.progressBar->value(), 999);
        const std::string runFolder = window->Run().RunFolder();
        QVERIFY(runFolder.rfind(Native(out) + "/", 0) == 0);
        QCOMPARE(script_.summaries.size(), size_t(1));
        QCOMPARE(script_.summaries[0].text,
                 std::string("The conversion is done. Do you want to open the output folder?"));
        QCOMPARE(script_.summaries[0].caption, runFolder);
        QVERIFY(script_.summaries[0].failures.empty());
        QVERIFY(!script_.summaries[0].canConvertRest);
        QCOMPARE(script_.openedFolders, std::vector<std::string>{runFolder});
        const std::vector<PhotoItem>& photos = window->List().Photos();
        for (std::size_t i = 0; i < photos.size(); ++i) {
            const QString expected = QStringLiteral("output.photo.%1.%2.jpg")
                                         .arg(i + 1)
                                         .arg(QDateTime::fromSecsSinceEpoch(photos[i].timeModified)
                                                  .toString(QStringLiteral("yyyy.MM.dd")));
            QCOMPARE(QString::fromStdString(photos[i].strOutputPath),
                     QString::fromStdString(runFolder) + expected);
            QImage written(QString::fromStdString(photos[i].strOutputPath));
            QCOMPARE(written.size(), QSize(1024, 768));
        }
    }

    void stopEndsTheRunAndStillAsks() {
        // One processor for this thread and the run's: one photo in hand at
        // a time, so a Stop right after Convert leaves the rest unconverted.
        OneProcessor one;
        QVERIFY(one.Pinned());
        auto window = NewWindow();
        const QString out = photos_->filePath("out");
        QDir().mkpath(out);
        window->Controls().outputFolderEdit->setText(out);
        window->UpdateData(true);
        AddLetters(*window, QStringLiteral("abcdef"));
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        window->OnConvert();  // Stop
        QVERIFY(done.wait(60000));
        one.Restore();
        QVERIFY(!window->Run().IsRunning());
        // The question counts the photos that were written.
        const qsizetype written =
            QDir(QString::fromStdString(window->Run().RunFolder())).entryList(QDir::Files).size();
        QVERIFY(written <= 1);
        QCOMPARE(script_.summaries.back().text,
                 "Stopped: " + std::to_string(written) + " of 6 converted, " +
                     std::to_string(6 - written) +
                     " not started\nDo you want to open the output folder?");
        QVERIFY(script_.summaries.back().canConvertRest);
        QVERIFY(script_.openedFolders.empty());  // closed
    }

    void eachPhotoShowsItsResultAndTheSummaryCountsTheOthers() {
        auto window = NewWindow();
        QVERIFY(AddPhotos(*window, {MakePhoto("a.png"), MakePhoto("x/same.png"),
                                    MakePhoto("y/same.png"), MakePhoto("b.png")}));
        QVERIFY(QFile::remove(photos_->filePath("b.png")));  // gone before the run: fails
        window->Controls().notRenameCheck->click();          // y/same.png gets a name of its own
        window->Controls().outputFolderEdit->setText(photos_->filePath("out"));
        prompter_.Clear();
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        for (const PhotoItem& photo : window->List().Photos())
            QVERIFY(photo.status == PhotoStatus::Waiting ||
                    photo.status == PhotoStatus::Converting);
        QVERIFY(done.wait(60000));

        QVERIFY(prompter_.Prompts().empty());  // no box held the run
        QAbstractItemModel* model = window->Controls().photoList->model();
        const QStringList expected{"Converted", "Converted", "Converted", "Failed"};
        for (int row = 0; row < 4; ++row)
            QCOMPARE(model->index(row, kColumnStatus).data().toString(), expected[row]);
        const QString tip = model->index(3, kColumnStatus).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.startsWith("the file is missing\nFailed to convert photo!"), qPrintable(tip));
        QVERIFY(model->index(2, kColumnStatus).data(Qt::ToolTipRole).toString().isEmpty());
        QCOMPARE(QString::fromStdString(window->List().Photos()[2].strOutputPath).section('/', -1),
                 QStringLiteral("same-2.jpg"));
        const RunSummary& summary = script_.summaries.back();
        QCOMPARE(summary.text,
                 std::string("The conversion is done. Do you want to open the output folder?\n"
                             "1 photo was not converted; see the log.\n"
                             "1 photo got a number added to a name another photo has."));
        QCOMPARE(summary.failures.size(), size_t(1));
        QCOMPARE(summary.failures[0].name, std::string("b.png"));
        QCOMPARE(summary.failures[0].plain, std::string("the file is missing"));
    }

    void viewLogOpensTheLogOrSaysThereIsNone() {
        auto window = NewWindow();
        QFile::remove(QString::fromStdString(window->Run().LogFilePath()));
        prompter_.Clear();
        window->Controls().viewLogButton->click();
        QCOMPARE(prompter_.Texts(), std::vector<std::string>{"There is not log file now!"});
        QCOMPARE(prompter_.Captions(), std::vector<std::string>{"Message"});
        QVERIFY(script_.openedFolders.empty());
        QFile log(QString::fromStdString(window->Run().LogFilePath()));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.close();
        window->Controls().viewLogButton->click();
        QCOMPARE(script_.openedFolders, std::vector<std::string>{window->Run().LogFilePath()});
    }

    // Every button and check box is reachable with Alt and a letter of its
    // own.
    void everyButtonHasAMnemonicOfItsOwn() {
        auto window = NewWindow();
        window->show();
        std::map<QChar, QString> taken;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || qobject_cast<QRadioButton*>(button) ||
                button->text().isEmpty())
                continue;
            const QString text = button->text();
            const int amp = text.indexOf(QLatin1Char('&'));
            // Past the alphabet, a button's command has a key of its own in a menu.
            const auto menuKey = [&] {
                for (QAction* action : window->findChildren<QAction*>())
                    if (action->text() == text && !action->shortcut().isEmpty())
                        return true;
                return false;
            };
            if (amp < 0 && menuKey())
                continue;
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            const QChar key = text[amp + 1].toLower();
            QVERIFY2(!taken.count(key), qPrintable(text + " and " + taken[key]));
            taken[key] = text;
        }
        QVERIFY(taken.size() >= 20);
    }

    void typedFolderWithMissingParentsIsTheRunsFolder() {
        auto window = NewWindow();
        AddLetters(*window, QStringLiteral("a"));
        const QString typed = photos_->filePath("missing/deeper");
        window->Controls().outputFolderEdit->setText(typed);  // not taken by any data exchange yet
        prompter_.Clear();
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        QVERIFY(window->Run().IsRunning());
        QVERIFY(done.wait(60000));
        QVERIFY(window->Run().RunFolder().rfind(Native(typed) + "/", 0) == 0);
        QCOMPARE(
            QDir(QString::fromStdString(window->Run().RunFolder())).entryList(QDir::Files).size(),
            1);
    }

    void folderThatCannotBeMadeIsToldAndNothingIsStuck() {
        auto window = NewWindow();
        AddLetters(*window, QStringLiteral("a"));
        QFile plain(photos_->filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString bad = photos_->filePath("plain/below");
        window->Controls().outputFolderEdit->setText(bad);
        prompter_.Clear();
        window->OnConvert();
        QVERIFY(!window->Run().IsRunning());
        QCOMPARE(prompter_.Texts(),
                 std::vector<std::string>{"Can not create the directory\nNot a directory"});
        QVERIFY(prompter_.Prompts()[0].caption.rfind(Native(bad) + "/", 0) == 0);
        // Corrected in the box, the next press goes there.
        window->Controls().outputFolderEdit->setText(photos_->filePath("good"));
        QSignalSpy done(&window->Run(), &RunPanel::ConversionFinished);
        window->OnConvert();
        QVERIFY(window->Run().IsRunning());
        QVERIFY(done.wait(60000));
    }
};

int main(int argc, char** argv) {
    // A private settings store and home before anything reads them.
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
    QTemporaryDir runtime;
    if (!std::getenv("XDG_RUNTIME_DIR"))
        setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SettingsStore::SetRoot(settings::kMaker, kStoreName);
    MainDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainDialogTest.moc"
