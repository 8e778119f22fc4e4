// The window's commands follow the list, and its keys reach them only where
// they should: Delete removes photos in the list but edits text in a text box.

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "ScriptedHooks.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "ui_MainDialog.h"
#include "window/PhotoListPanel.h"

class WindowActionsTest : public QObject {
    Q_OBJECT

private slots:
    void listCommandsFollowTheList() {
        RecordingPrompter prompter;
        Script script;
        MainDialog window(&prompter, ScriptedHooks(script));
        Ui::MainDialog& ui = window.Controls();
        const auto usable = [&ui](bool expected) {
            for (QPushButton* button : {ui.convertButton, ui.editButton, ui.upButton, ui.downButton,
                                        ui.deleteButton, ui.clearButton})
                if (button->isEnabled() != expected)
                    return false;
            return true;
        };
        window.List().Append(std::vector<PhotoItem>(2));
        QVERIFY(usable(true));
        window.List().SelectRows({0, 1});
        ui.deleteButton->click();
        QVERIFY(usable(false));
        QCOMPARE(ui.totalLabel->text(), QStringLiteral("Total photos: 0"));
        window.List().Append(std::vector<PhotoItem>(1));
        ui.clearButton->click();
        QVERIFY(usable(false));
    }

    void keysReachTheirCommandWhereTheyShould_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("photosAfter");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("prefixAfter");
        QTest::newRow("Delete in the list removes the selected photo")
            << "list" << int(Qt::Key_Delete) << 0 << 2 << 0 << "output.photo";
        QTest::newRow("Delete in a text box edits the text")
            << "prefix" << int(Qt::Key_Delete) << 0 << 3 << 1 << "utput.photo";
        QTest::newRow("Ctrl+A on a button selects every photo")
            << "button" << int(Qt::Key_A) << int(Qt::ControlModifier) << 3 << 3 << "output.photo";
    }

    void keysReachTheirCommandWhereTheyShould() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, photosAfter);
        QFETCH(int, selectedAfter);
        QFETCH(QString, prefixAfter);
        RecordingPrompter prompter;
        Script script;
        MainDialog window(&prompter, ScriptedHooks(script));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        std::vector<PhotoItem> photos(3);
        photos[0].strFileName = "a.png";
        window.List().Append(photos);
        window.List().SelectRows({1});
        Ui::MainDialog& ui = window.Controls();
        QWidget* target = focus == "list"     ? static_cast<QWidget*>(ui.photoList)
                          : focus == "prefix" ? static_cast<QWidget*>(ui.renamePrefixEdit)
                                              : static_cast<QWidget*>(ui.helpButton);
        target->setFocus();
        ui.renamePrefixEdit->setCursorPosition(0);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window.List().Count(), photosAfter);
        QCOMPARE(int(window.List().SelectedRows().size()), selectedAfter);
        QCOMPARE(ui.renamePrefixEdit->text(), prefixAfter);
        QCOMPARE(window.List().Photos()[0].strFileName, std::string("a.png"));
    }
};

QUILLMERE_QTEST_MAIN(WindowActionsTest)

#include "WindowActionsTest.moc"
