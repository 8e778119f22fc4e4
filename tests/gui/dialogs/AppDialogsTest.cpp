// The About box, the font-and-colour dialog and the folder chooser, as a
// user meets them. With QUILLMERE_SCREENSHOT_DIR set, also writes a PNG of
// every dialog there (run under xvfb-run to look at them).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/ProductInfo.h"

#include <functional>
#include <thread>

#include "support/QtTestMain.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AppIcon.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/FontColorDialog.h"
#include "platform/Prompter.h"
#include "dialogs/QtPrompter.h"
#include "support/RecordingPrompter.h"
#include "dialogs/CDialogPhotoOptions.h"

namespace {

// Runs action on the modal dialog that the next blocking call opens.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
    });
}

template <typename T>
T* Child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

}  // namespace

class AppDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxShowsNameVersionAndAddresses() {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(Child<QLabel>(&box, "labelName")->text(), QStringLiteral("Quillmere"));
        QCOMPARE(Child<QLabel>(&box, "labelVersion")->text(), QStringLiteral("Version 1.0"));
        QVERIFY(!Child<QLabel>(&box, "labelNotice")->text().isEmpty());
        // No address that leads nowhere: the source's only when the build has one.
        QCOMPARE(Child<QLabel>(&box, "labelWebsite")->isVisibleTo(&box), *SourceUrl() != '\0');
        QVERIFY(Child<QLabel>(&box, "labelContact")->isHidden());
        QVERIFY(!Child<QLabel>(&box, "labelIcon")->pixmap().isNull());
        QVERIFY(!QuillmereIcon().pixmap(32, 32).isNull());
    }

    void colorRefConversion_data() {
        QTest::addColumn<uint>("colorRef");
        QTest::addColumn<QColor>("color");
        QTest::newRow("black") << 0x000000u << QColor(0, 0, 0);
        QTest::newRow("red is the low byte") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("green") << 0x00FF00u << QColor(0, 255, 0);
        QTest::newRow("blue is the third byte") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("mixed") << 0x123456u << QColor(0x56, 0x34, 0x12);
    }
    void colorRefConversion() {
        QFETCH(uint, colorRef);
        QFETCH(QColor, color);
        QCOMPARE(FontColorDialog::QColorFromColorRef(colorRef), color);
        QCOMPARE(FontColorDialog::ColorRefFromQColor(color), colorRef);
    }

    void fontDialogStartsFromTheRecordAndColour() {
        LogFont font;
        font.lfFaceName = "DejaVu Sans";
        font.lfHeight = -20;
        font.lfWeight = 700;
        font.lfUnderline = 1;
        font.lfCharSet = 5;
        font.lfEscapement = 30;
        FontColorDialog dialog(font, 0xFF0080FFu);
        LogFont back = dialog.Font();
        QCOMPARE(back.lfFaceName, std::string("DejaVu Sans"));
        QCOMPARE(back.lfHeight, -20);
        QCOMPARE(back.lfWeight, 700);
        QCOMPARE(back.lfItalic, uint8_t(0));
        QCOMPARE(back.lfUnderline, uint8_t(1));
        QCOMPARE(back.lfStrikeOut, uint8_t(0));
        // What the dialog does not show survives.
        QCOMPARE(back.lfCharSet, uint8_t(5));
        QCOMPARE(back.lfEscapement, 30);
        QCOMPARE(dialog.Color(), 0x0080FFu);
        // The plain cut of the family, not a condensed one of the same weight.
        QCOMPARE(Child<QComboBox>(&dialog, "comboStyle")->currentText(), QStringLiteral("Bold"));

        font.lfWeight = 400;
        font.lfItalic = 1;
        FontColorDialog italic(font, 0);
        QCOMPARE(Child<QComboBox>(&italic, "comboStyle")->currentText(), QStringLiteral("Oblique"));
        QCOMPARE(italic.Font().lfItalic, uint8_t(1));
        QCOMPARE(italic.Font().lfWeight, 400);
    }

    void offeredFaceIsNamedWhenKept() {
        LogFont font;  // empty face: the default sans-serif, 13 px
        FontColorDialog dialog(font, 0);
        LogFont back = dialog.Font();
        // The label and the settings then say which face the text is drawn in.
        QVERIFY(!back.lfFaceName.empty());
        QCOMPARE(QString::fromStdString(back.lfFaceName),
                 dialog.findChild<QFontComboBox*>("comboFace")->currentFont().family());
        QCOMPARE(back.lfHeight, -13);
        QCOMPARE(back.lfWeight, 400);
    }

    void editReturnsTheChoiceOnlyOnOk() {
        LogFont font;
        font.lfFaceName = "DejaVu Sans";
        uint32_t color = 0x00336699;
        OnNextModal([](QWidget* modal) {
            Child<QCheckBox>(modal, "checkStrikeOut")->click();
            static_cast<FontColorDialog*>(modal)->SetColor(0x0000FF00);
            static_cast<QDialog*>(modal)->reject();
        });
        QVERIFY(!FontColorDialog::Edit(nullptr, font, color));
        QCOMPARE(font.lfStrikeOut, uint8_t(0));
        QCOMPARE(color, 0x00336699u);

        OnNextModal([](QWidget* modal) {
            Child<QCheckBox>(modal, "checkStrikeOut")->click();
            static_cast<FontColorDialog*>(modal)->SetColor(0x0000FF00);
            static_cast<QDialog*>(modal)->accept();
        });
        QVERIFY(FontColorDialog::Edit(nullptr, font, color));
        QCOMPARE(font.lfStrikeOut, uint8_t(1));
        QCOMPARE(font.lfFaceName, std::string("DejaVu Sans"));
        QCOMPARE(color, 0x0000FF00u);
    }

    void folderChooserCancelLeavesTheFolder() {
        std::string folder = "/kept/";
        QString title;
        OnNextModal([&title](QWidget* modal) {
            title = modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        });
        QCOMPARE(BrowseForFolder(nullptr, folder), 1);
        QCOMPARE(folder, std::string("/kept/"));
        QCOMPARE(title, QStringLiteral("Choose a folder"));
    }

    void folderChooserReturnsTheChosenFolder() {
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkdir(QStringLiteral("chosen")));
        QString chosen = parent.path() + QStringLiteral("/chosen");
        OnNextModal([chosen](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return;
            dialog->selectFile(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        std::string folder;
        QCOMPARE(BrowseForFolder(nullptr, folder, parent.path().toStdString()), 0);
        QCOMPARE(QString::fromStdString(folder), chosen);
    }

    // A window going away waits for its workers; a worker waiting for an
    // answer must not keep it waiting in turn. Close releases it whether it
    // asked before or after, and it is answered as if the box was dismissed.
    void closedPrompterReleasesWaitingWorkers() {
        for (bool askFirst : {true, false}) {
            QtPrompter prompter;
            if (!askFirst)
                prompter.Close();
            PromptAnswer answer = PromptAnswer::Yes;
            std::thread worker([&] {
                answer = prompter.Ask("Replace?", "Warning", PromptButtons::YesNo);
            });
            if (askFirst) {
                // No events are processed here: the GUI thread is as busy as
                // a window's destructor waiting for the run.
                while (prompter.Waiting() == 0)
                    std::this_thread::yield();
                prompter.Close();
            }
            worker.join();
            QCOMPARE(answer, PromptAnswer::No);
            QCOMPARE(prompter.Waiting(), std::size_t{0});
        }
    }

    void screenshots() {
        QString dir = qEnvironmentVariable("QUILLMERE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("QUILLMERE_SCREENSHOT_DIR not set");
        auto shoot = [&dir](QWidget& w, const char* name) {
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QVERIFY(w.grab().save(dir + QLatin1Char('/') + QLatin1String(name) + ".png"));
            w.hide();
        };
        RecordingPrompter prompter;
        struct Variant {
            const char* name;
            int format, sizeType, keep;
        };
        for (Variant v : {Variant{"options-jpg", 1, 1, 1}, Variant{"options-bmp", 0, 2, 0},
                          Variant{"options-png", 2, 0, 2}}) {
            CDialogPhotoOptions options(nullptr, &prompter);
            OutputPhotoFormat f;
            f.nOuptputFormat = v.format;
            f.nOuputSizeType = v.sizeType;
            f.nKeepAspectRatio = v.keep;
            f.iComboPixelFormat = 6;
            options.SetFormat(f);
            shoot(options, v.name);
        }
        AboutBox about;
        shoot(about, "about");
        LogFont font;
        font.lfHeight = -24;
        font.lfWeight = 700;
        FontColorDialog fontDialog(font, 0x000000C0);
        shoot(fontDialog, "font");
    }
};

QUILLMERE_QTEST_MAIN(AppDialogsTest)
#include "AppDialogsTest.moc"
