// The window by keyboard alone: Tab visits every control once and leaves
// the list, Ctrl+End takes the selection along, Ctrl+Z undoes the list's
// commands with the photos back in their places, and the window fits a
// 960x540 screen.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <set>

#include "ScriptedHooks.h"
#include "WindowTestSupport.h"
#include "platform/SettingsStore.h"
#include "support/LabelLetters.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "ui_MainDialog.h"
#include "window/PhotoListPanel.h"

namespace {

std::vector<PhotoItem> Lettered(const std::string& letters) {
    std::vector<PhotoItem> photos;
    for (char letter : letters) {
        PhotoItem photo;
        photo.strFileName = std::string(1, letter) + ".png";
        photo.nWidth = 40;
        photo.nHeight = 30;
        photos.push_back(photo);
    }
    return photos;
}

std::string Order(const PhotoListPanel& list) {
    std::string order;
    for (const PhotoItem& photo : list.Photos()) order += photo.strFileName.front();
    return order;
}

}  // namespace

class WindowKeyboardTest : public QObject, private WindowTestBase {
    Q_OBJECT

    std::unique_ptr<MainDialog> ShownWindow() {
        auto window = NewWindow();
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the window did not become active");
        return window;
    }

private slots:
    void init() { ResetWindowTest(QStringLiteral("quillmere-tests")); }

    void tabVisitsEachControlOnceAndLeavesTheList() {
        auto window = ShownWindow();
        window->List().Append(Lettered("abc"));
        Ui::MainDialog& ui = window->Controls();
        ui.addPhotosButton->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.addPhotosButton));
        std::vector<QWidget*> stops;
        std::set<QWidget*> seen;
        for (int i = 0; i < 200; ++i) {
            QWidget* at = QApplication::focusWidget();
            QVERIFY(at);
            if (!seen.insert(at).second)
                break;
            stops.push_back(at);
            QTest::keyClick(at, Qt::Key_Tab);
        }
        // The walk came round to where it started, having met each stop once.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.addPhotosButton));
        QVERIFY(std::count(stops.begin(), stops.end(), ui.photoList) == 1);
        for (QWidget* expected : std::initializer_list<QWidget*>{
                 ui.convertButton, ui.photoList, ui.editButton, ui.outputFolderEdit,
                 ui.overlayTextEdit, ui.renamePrefixEdit, ui.presetCombo, ui.exitButton})
            QVERIFY2(seen.count(expected), qPrintable(expected->objectName()));
        // Every stop can be seen: nothing hidden takes the focus.
        for (QWidget* stop : stops) QVERIFY2(stop->isVisible(), qPrintable(stop->objectName()));
    }

    void ctrlEndTakesTheSelectionAlong() {
        auto window = ShownWindow();
        window->List().Append(Lettered("abcdef"));
        window->List().SelectRows({1});
        QTableView* list = window->Controls().photoList;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window->List().SelectedRows(), std::vector<int>{5});
        QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(window->List().SelectedRows(), std::vector<int>{0});
        // Delete now removes the row in sight, not the one scrolled away.
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(Order(window->List()), std::string("bcdef"));
    }

    void undoPutsTheListBack_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<std::vector<int>>("selected");
        QTest::addColumn<QString>("orderAfter");
        using V = std::vector<int>;
        QTest::newRow("Delete of rows apart") << "deleteButton" << V{1, 3, 4} << "acf";
        QTest::newRow("Clear") << "clearButton" << V{2} << "";
        QTest::newRow("Up") << "upButton" << V{2, 4} << "acbedf";
        QTest::newRow("Down") << "downButton" << V{0, 1} << "cabdef";
        QTest::newRow("Edit settings") << "editButton" << V{0, 5} << "abcdef";
    }
    void undoPutsTheListBack() {
        QFETCH(QString, button);
        QFETCH(std::vector<int>, selected);
        QFETCH(QString, orderAfter);
        auto window = ShownWindow();
        window->List().Append(Lettered("abcdef"));
        window->List().SelectRows(selected);
        const std::vector<PhotoItem> before = window->List().Photos();
        script_.editAnswers = {true};
        window->findChild<QPushButton*>(button)->click();
        const std::vector<PhotoItem> after = window->List().Photos();
        QCOMPARE(QString::fromStdString(Order(window->List())), orderAfter);
        QVERIFY(after != before);
        QVERIFY(prompter_.Prompts().empty());  // undoable, so nothing is asked

        QTableView* list = window->Controls().photoList;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(window->List().Photos() == before);
        QCOMPARE(window->List().SelectedRows(), selected);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(window->List().Photos() == after);
    }

    // Undoing past photos added later would drop them: adding ends the history.
    void addingPhotosEndsTheHistory() {
        auto window = ShownWindow();
        window->List().Append(Lettered("abc"));
        window->List().SelectRows({0});
        window->Controls().deleteButton->click();
        QAction* undo = nullptr;
        for (QAction* menu : window->findChild<QMenuBar*>()->actions())
            for (QAction* action : menu->menu()->actions())
                if (action->shortcut() == QKeySequence(QKeySequence::Undo))
                    undo = action;
        QVERIFY(undo && undo->isEnabled());
        window->List().Append(Lettered("d"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Order(window->List()), std::string("bcd"));
    }

    void menusHoldEveryCommand() {
        auto window = ShownWindow();
        auto* bar = window->findChild<QMenuBar*>();
        QVERIFY(bar);
        QStringList titles;
        std::set<QAction*> inMenus;
        for (QAction* menu : bar->actions()) {
            titles << menu->text().remove(QLatin1Char('&'));
            for (QAction* action : menu->menu()->actions())
                if (!action->isSeparator())
                    inMenus.insert(action);
        }
        QCOMPARE(titles, (QStringList{"File", "Edit", "View", "Convert", "Help"}));
        // Every button's command is in a menu, with the button's state and a tooltip.
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isVisibleTo(window.get()) || button->objectName().startsWith("gather") ||
                button->objectName().startsWith("watermark"))
                continue;
            const auto found = std::find_if(inMenus.begin(), inMenus.end(), [button](QAction* a) {
                return a->text() == button->text();
            });
            QVERIFY2(found != inMenus.end(), qPrintable(button->objectName()));
            QCOMPARE((*found)->isEnabled(), button->isEnabled());
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
    }

    // Every label's Alt letter brings the focus to its field: at once, or
    // after the other controls sharing the letter had their turn (the
    // letters run out before the controls do). A shared letter only moves
    // the focus, so pressing it never runs a command.
    void everyLabelsLetterReachesItsField() {
        auto window = ShownWindow();
        const auto [labels, missed] = LabelWhoseLetterMissesItsField(window.get());
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
        QVERIFY(labels >= 10);
        QVERIFY(prompter_.Prompts().empty());
    }

    // At 200 % on 1920x1080 there are 960x540 logical pixels.
    void fitsASmallScreen() {
        auto window = ShownWindow();
        const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(minimum.width() <= 960 && minimum.height() <= 540,
                 qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));
        window->resize(960, 540);
        QTRY_COMPARE(window->size(), QSize(960, 540));
        // The list and its commands stay in sight at that size.
        Ui::MainDialog& ui = window->Controls();
        for (QWidget* part : std::initializer_list<QWidget*>{ui.photoList, ui.convertButton,
                                                             ui.clearButton})
            QVERIFY2(!part->visibleRegion().isEmpty(), qPrintable(part->objectName()));
    }
};

QUILLMERE_QTEST_MAIN(WindowKeyboardTest)

#include "WindowKeyboardTest.moc"
