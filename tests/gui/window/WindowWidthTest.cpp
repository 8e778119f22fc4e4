// The whole window on a common laptop screen, whatever the language: longer
// words or a long name template must not push its right side out of sight.

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "ScriptedHooks.h"
#include "platform/SettingsStore.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "texts/Translations.h"
#include "ui_MainDialog.h"
#include "window/PhotoSources.h"
#include "window/PreviewFrame.h"

class WindowWidthTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir photos_;
    Script script_;
    RecordingPrompter prompter_;

private slots:
    void init() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, settings::kMaker,
                  settings::kWindowStore)
            .clear();
        prompter_.SetFallback(PromptAnswer::No);
    }

    // 1280 pixels wide, a photo previewed and a template whose example is
    // longer than the row: every part of the window is in sight, in every
    // language the program ships.
    void fitsA1280PixelScreenInEveryLanguage() {
        LoadTranslations();
        const QDir folder(TranslationsFolder());
        const QStringList languages = folder.entryList({QStringLiteral("quillmere_*.qm")});
        QVERIFY2(languages.size() >= 9, qPrintable(folder.path()));
        script_.files = {WritePhoto(photos_.filePath("IMG_2041.png"), 640, 480, Qt::darkGreen)};
        for (const QString& file : languages) {
            QTranslator language;
            QVERIFY(language.load(folder.filePath(file)));
            QCoreApplication::installTranslator(&language);
            {
                MainDialog window(&prompter_, ScriptedHooks(script_));
                window.resize(1280, 700);
                window.show();
                window.Sources().AddPhotos();
                QVERIFY(Gathered(window));
                QTableView* list = window.Controls().photoList;
                QSignalSpy shown(window.Controls().previewFrame, &PreviewFrame::PhotoShown);
                list->setCurrentIndex(list->model()->index(0, 0));
                QVERIFY(shown.wait(20000));
                window.findChild<QLineEdit*>(QStringLiteral("nameTemplateEdit"))
                    ->setText(QStringLiteral("{taken:%Y-%m-%d}_{camera}_{folder}_{name}_{w}x{h}_{n:4}"));
                const QWidget* parts = window.findChild<QWidget*>(QStringLiteral("windowContent"));
                QVERIFY2(parts->minimumSizeHint().width() <= 1280,
                         qPrintable(QStringLiteral("%1 needs %2 pixels")
                                        .arg(file)
                                        .arg(parts->minimumSizeHint().width())));
            }
            QCoreApplication::removeTranslator(&language);
        }
    }
};

QUILLMERE_QTEST_MAIN(WindowWidthTest)

#include "WindowWidthTest.moc"
