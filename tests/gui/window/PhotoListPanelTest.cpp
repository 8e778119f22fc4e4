// The photo list's commands as a user sees them: the order and selection
// afterwards, the rows and the total label, and sorting by a header click.

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <string>
#include <vector>

#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "window/PhotoListPanel.h"

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Photos named by letters ("abc" -> a.png, b.png, c.png), the later ones older.
std::vector<PhotoItem> Lettered(const QString& letters) {
    std::vector<PhotoItem> photos;
    int age = 50;
    for (QChar letter : letters) {
        PhotoItem photo;
        photo.strFileName = QString(letter).toStdString() + ".png";
        photo.strTime = "2024/05/01 12:" + std::to_string(age--) + ":00";
        photos.push_back(photo);
    }
    return photos;
}

QString Order(const PhotoListPanel& list) {
    QString order;
    for (const PhotoItem& photo : list.Photos())
        order += QString::fromStdString(photo.strFileName).left(1);
    return order;
}

}  // namespace

class PhotoListPanelTest : public QObject {
    Q_OBJECT

private slots:
    void listCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::vector<int>>("selected");
        QTest::addColumn<QString>("order");
        QTest::addColumn<std::vector<int>>("selectedAfter");
        QTest::addColumn<bool>("toldToSelect");
        using V = std::vector<int>;
        QTest::newRow("up: top row selected moves nothing")
            << "up" << 6 << V{0, 3} << "abcdef" << V{0, 3} << false;
        QTest::newRow("up: a block moves as a block")
            << "up" << 6 << V{2, 3} << "acdbef" << V{1, 2} << false;
        QTest::newRow("up: apart rows move each")
            << "up" << 6 << V{1, 4} << "bacedf" << V{0, 3} << false;
        QTest::newRow("up: nothing selected") << "up" << 6 << V{} << "abcdef" << V{} << true;
        QTest::newRow("up: one photo does nothing") << "up" << 1 << V{} << "a" << V{} << false;
        QTest::newRow("down: bottom row selected moves nothing")
            << "down" << 6 << V{2, 5} << "abcdef" << V{2, 5} << false;
        QTest::newRow("down: a block moves as a block")
            << "down" << 6 << V{1, 2} << "adbcef" << V{2, 3} << false;
        QTest::newRow("down: nothing selected") << "down" << 3 << V{} << "abc" << V{} << true;
        QTest::newRow("delete: rows 1, 2, 4 of six")
            << "delete" << 6 << V{1, 2, 4} << "adf" << V{} << false;
        QTest::newRow("delete: all") << "delete" << 3 << V{0, 1, 2} << "" << V{} << false;
        QTest::newRow("delete: nothing selected") << "delete" << 3 << V{} << "abc" << V{} << true;
        QTest::newRow("clear: several") << "clear" << 4 << V{1} << "" << V{} << false;
        QTest::newRow("clear: empty list") << "clear" << 0 << V{} << "" << V{} << false;
    }

    void listCommands() {
        QFETCH(QString, command);
        QFETCH(int, count);
        QFETCH(std::vector<int>, selected);
        QFETCH(QString, order);
        QFETCH(std::vector<int>, selectedAfter);
        QFETCH(bool, toldToSelect);
        QTableView view;
        QLabel total;
        RecordingPrompter prompter;
        PhotoListPanel list(&view, &total, prompter);
        list.Append(Lettered(QStringLiteral("abcdef").left(count)));
        list.SelectRows(selected);
        if (command == "up")
            list.MoveUp();
        else if (command == "down")
            list.MoveDown();
        else if (command == "delete")
            list.DeleteSelected();
        else
            list.Clear();
        QCOMPARE(Order(list), order);
        QCOMPARE(list.SelectedRows(), selectedAfter);
        QCOMPARE(prompter.Texts(), toldToSelect ? std::vector<std::string>{"Please select items!"}
                                                : std::vector<std::string>{});
        // The rows show the list as it is now.
        QAbstractItemModel* model = view.model();
        QCOMPARE(model->rowCount(), int(order.size()));
        for (int row = 0; row < model->rowCount(); ++row)
            QCOMPARE(model->index(row, 0).data().toString(), QString(order[row]) + ".png");
        if (command == "delete" || command == "clear")
            QCOMPARE(total.text(), QStringLiteral("Total photos: %1").arg(order.size()));
    }

    void headerClicksSort_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("order");
        // Listed as c, A, b (c newest, b oldest).
        QTest::newRow("name once: ascending, byte order") << QList<int>{0} << "Abc";
        QTest::newRow("name twice: descending") << QList<int>{0, 0} << "cbA";
        QTest::newRow("name three times: ascending again") << QList<int>{0, 0, 0} << "Abc";
        QTest::newRow("time after name: oldest first") << QList<int>{0, 2} << "bAc";
        QTest::newRow("time twice: newest first") << QList<int>{2, 2} << "cAb";
        QTest::newRow("rotate: no sort") << QList<int>{4} << "cAb";
    }

    void headerClicksSort() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, order);
        QTableView view;
        QLabel total;
        RecordingPrompter prompter;
        PhotoListPanel list(&view, &total, prompter);
        view.show();
        list.Append(Lettered(QStringLiteral("cAb")));
        list.SelectRows({1});
        QHeaderView* header = view.horizontalHeader();
        for (int column : clicks)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, 5));
        QCOMPARE(Order(list), order);
        QVERIFY(list.SelectedRows().empty());  // every click rebuilds the rows
        // While the list must stay as it is, a click sorts nothing.
        list.SetSortable(false);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, 5));
        QCOMPARE(Order(list), order);
    }

    // A language whose longest status is not the English one: every status
    // still fits its column, rather than being cut short with dots.
    void statusColumnFitsEveryStatusOfTheLanguage() {
        struct LongConverting : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override {
                return qstrcmp(source, "Converting") == 0 ? QStringLiteral("Converting the photo now")
                                                          : QString();
            }
        } language;
        QCoreApplication::installTranslator(&language);
        QTableView view;
        QLabel total;
        RecordingPrompter prompter;
        PhotoListPanel list(&view, &total, prompter);
        QCoreApplication::removeTranslator(&language);
        QVERIFY(view.horizontalHeader()->sectionSize(kColumnStatus) >
                view.fontMetrics().horizontalAdvance(QStringLiteral("Converting the photo now")));
    }
};

QUILLMERE_QTEST_MAIN(PhotoListPanelTest)

#include "PhotoListPanelTest.moc"
