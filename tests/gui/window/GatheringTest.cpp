// Gathering photos while the window goes on: the commands that would change
// the list wait, progress shows in the window, Cancel keeps what was read.

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "ScriptedHooks.h"
#include "support/QtTestMain.h"
#include "ui_MainDialog.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/WindowActions.h"

namespace {

// Holds every message (and so the gathering that shows it) until opened.
class GatePrompter : public Prompter {
public:
    using Prompter::Ask;
    PromptAnswer Ask(const Prompt&) override {
        std::unique_lock lock(mutex_);
        ++asked_;
        opened_.wait(lock, [this] { return open_; });
        return PromptAnswer::Ok;
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }
    int Asked() {
        std::lock_guard lock(mutex_);
        return asked_;
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    int asked_ = 0;
};

}  // namespace

class GatheringTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir photos_;
    Script script_;

    // Add Photos of a.png, a missing file (its message holds the gathering
    // while the prompter is shut) and b.png.
    void StartHeldGathering(MainDialog& window) {
        script_.files = {WritePhoto(photos_.filePath("a.png"), 40, 30, Qt::red),
                         photos_.filePath("missing.png"),
                         WritePhoto(photos_.filePath("b.png"), 40, 30, Qt::blue)};
        window.Controls().addPhotosButton->click();
    }

private slots:
    void init() { script_ = Script{}; }

    void windowGoesOnWhileTheCommandsWait() {
        GatePrompter prompter;
        MainDialog window(&prompter, ScriptedHooks(script_));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        StartHeldGathering(window);
        QTRY_COMPARE(prompter.Asked(), 1);  // the click returned with the worker held
        Ui::MainDialog& ui = window.Controls();
        QTRY_VERIFY(ui.gatherRow->isVisible());
        QTRY_COMPARE(ui.gatherLabel->text(), QStringLiteral("Reading photos: 1 of 3"));
        for (QPushButton* button : {ui.addPhotosButton, ui.searchPhotosButton, ui.optionsButton,
                                    ui.convertButton, ui.applyPresetButton})
            QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
        QVERIFY(ui.exitButton->isEnabled());
        // A second gathering, by key or by drop, does not start inside the first.
        script_.filesTitle.clear();
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(script_.filesTitle.isEmpty());
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(photos_.filePath("a.png"))});
        QDragEnterEvent enter(window.rect().center(), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(!enter.isAccepted());

        prompter.Open();
        QVERIFY(Gathered(window));
        QCOMPARE(window.List().Count(), 2);
        QCOMPARE(window.List().Photos()[1].strFileName, std::string("b.png"));
        QVERIFY(!ui.gatherRow->isVisible());
        for (QPushButton* button : {ui.addPhotosButton, ui.convertButton, ui.upButton})
            QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(script_.filesTitle, QStringLiteral("Select Photo Files..."));
    }

    void cancelKeepsThePhotosReadSoFar_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelKeepsThePhotosReadSoFar() {
        QFETCH(bool, byEscape);
        GatePrompter prompter;
        MainDialog window(&prompter, ScriptedHooks(script_));
        window.show();
        StartHeldGathering(window);
        QTRY_VERIFY(window.Controls().gatherRow->isVisible());
        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);  // cancels, does not close
        else
            window.Controls().gatherCancelButton->click();
        prompter.Open();
        QVERIFY(Gathered(window));
        QVERIFY(window.isVisible());
        QCOMPARE(window.List().Count(), 1);
        QCOMPARE(window.List().Photos()[0].strFileName, std::string("a.png"));
    }
};

QUILLMERE_QTEST_MAIN(GatheringTest)

#include "GatheringTest.moc"
