// The options dialog: its show, hide and enable rules, the validation on OK
// and what it remembers.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include <memory>

#include "dialogs/CDialogPhotoOptions.h"
#include "model/OptionTables.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "support/LabelLetters.h"
#include "support/QtTestMain.h"
#include "support/RecordingPrompter.h"
#include "texts/LanguagePack.h"

namespace {

struct Shown {
    QString text;
    QString caption;
};

QList<Shown> PromptsOf(const RecordingPrompter& prompter) {
    QList<Shown> list;
    for (const auto& p : prompter.Prompts())
        list.append({QString::fromStdString(p.text), QString::fromStdString(p.caption)});
    return list;
}

bool StoreHas(const char* key) {
    QSettings s(QString::fromStdString(SettingsStore::Location()), QSettings::IniFormat);
    return s.contains(QStringLiteral("Option/") + QLatin1String(key));
}

// A dialog over a recording prompter, opened as the caller does.
class Opened {
public:
    explicit Opened(const OutputPhotoFormat& format = OutputPhotoFormat{})
        : dialog(std::make_unique<CDialogPhotoOptions>(nullptr, &prompter)) {
        dialog->SetFormat(format);
        dialog->show();
    }

    template <typename T>
    T* get(const char* name) const {
        T* w = dialog->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    bool visible(const char* name) const { return get<QWidget>(name)->isVisibleTo(dialog.get()); }
    bool enabled(const char* name) const { return get<QWidget>(name)->isEnabled(); }
    bool checked(const char* name) const { return get<QAbstractButton>(name)->isChecked(); }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    void choose(const char* combo, int index) {
        QComboBox* box = get<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void type(const char* edit, const QString& text) { get<QLineEdit>(edit)->setText(text); }
    void pressOk() { get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click(); }

    RecordingPrompter prompter;
    std::unique_ptr<CDialogPhotoOptions> dialog;
};

OutputPhotoFormat WithFormat(int format) {
    OutputPhotoFormat f;
    f.nOuptputFormat = format;
    return f;
}

}  // namespace

class CDialogPhotoOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(QString::fromStdString(SettingsStore::Location())); }

    void controlTexts() {
        Opened o;
        QCOMPARE(o.dialog->windowTitle(), QStringLiteral("Photo Output Options"));
        // The captions as shown; the Alt letters are marked with '&'.
        const auto shown = [](QString text) { return text.remove(QLatin1Char('&')); };
        QCOMPARE(shown(o.get<QLabel>("labelOutputFormat")->text()), QStringLiteral("Output Format:"));
        QCOMPARE(shown(o.get<QCheckBox>("checkKeepWidth")->text()),
                 QStringLiteral("Keep aspect ratio with width"));
        QCOMPARE(shown(o.get<QCheckBox>("checkKeepHeight")->text()),
                 QStringLiteral("Keep aspect ratio with Height"));
        QCOMPARE(o.get<QLabel>("labelQualityRange")->text(), QStringLiteral("(Min 1, Max 100)"));
        QCOMPARE(o.get<QRadioButton>("radioFixedSize")->text(), QString());
        QComboBox* formats = o.get<QComboBox>("comboOutputFormat");
        QStringList entries;
        for (int i = 0; i < formats->count(); ++i) entries << formats->itemText(i);
        QCOMPARE(entries, (QStringList{"BMP", "JPG", "PNG", "TIF", "WebP", "AVIF", "JPEG XL",
                                       "Same as the source"}));
        QComboBox* pixels = o.get<QComboBox>("comboPixelFormat");
        QCOMPARE(pixels->count(), 10);
        QCOMPARE(pixels->itemText(0), QStringLiteral("1 bit Indexed"));
        QCOMPARE(pixels->itemText(9), QStringLiteral("64 bits PARGB"));
        QVERIFY(o.prompter.Prompts().empty());
    }

    // Every label's Alt letter reaches its field, whatever format is chosen.
    void everyLabelsLetterReachesItsField_data() {
        QTest::addColumn<int>("format");
        for (const OutputFormatRow& row : OutputFormats())
            if (row.listText)
                QTest::newRow(row.listText) << int(row.id);
    }
    void everyLabelsLetterReachesItsField() {
        QFETCH(int, format);
        OutputPhotoFormat settings;
        settings.nOuptputFormat = format;
        Opened o(settings);
        QVERIFY(QTest::qWaitForWindowActive(o.dialog.get()));
        const auto [labels, missed] = LabelWhoseLetterMissesItsField(o.dialog.get());
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
        QVERIFY(labels >= 5);
    }

    void formatShowsItsGroup_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("pixelGroup");
        QTest::addColumn<bool>("qualityGroup");
        QTest::addColumn<bool>("lossless");
        QTest::addColumn<bool>("cameraData");
        QTest::newRow("BMP") << 0 << true << false << false << false;
        QTest::newRow("JPG") << 1 << false << true << false << true;
        QTest::newRow("PNG") << 2 << false << false << false << true;
        QTest::newRow("TIF") << 3 << false << false << false << true;
        QTest::newRow("WebP") << 4 << false << true << true << true;
        QTest::newRow("AVIF") << 5 << false << true << false << true;
        QTest::newRow("JPEG XL") << 6 << false << true << true << true;
        QTest::newRow("Same as the source") << 7 << false << true << true << true;
    }
    void formatShowsItsGroup() {
        QFETCH(int, format);
        QFETCH(bool, pixelGroup);
        QFETCH(bool, qualityGroup);
        QFETCH(bool, lossless);
        QFETCH(bool, cameraData);
        for (bool byUser : {false, true}) {
            Opened o(WithFormat(byUser ? (format == 1 ? 0 : 1) : format));
            if (byUser) {
                o.choose("comboOutputFormat", format);
                QCOMPARE(o.dialog->Format().nOuptputFormat, format);
            }
            for (const char* name :
                 {"labelPixelFormat", "comboPixelFormat", "labelPixelFormatInfo"})
                QVERIFY2(o.visible(name) == pixelGroup, name);
            for (const char* name : {"labelQuality", "editQuality", "labelQualityRange"})
                QVERIFY2(o.visible(name) == qualityGroup, name);
            QCOMPARE(o.visible("checkLossless"), lossless);
            QCOMPARE(o.enabled("comboMetadata"), cameraData);
            QCOMPARE(o.enabled("labelMetadata"), cameraData);
            QVERIFY(o.prompter.Prompts().empty());
        }
    }

    // Lossless leaves nothing for the quality to do, where the format has it.
    void losslessSetsTheQualityAside() {
        OutputPhotoFormat f = WithFormat(kFormatWebp);
        f.bLossless = true;
        Opened o(f);
        QVERIFY(o.checked("checkLossless"));
        QVERIFY(!o.enabled("editQuality"));
        o.choose("comboOutputFormat", kFormatAvif);  // no lossless choice: quality counts
        QVERIFY(o.enabled("editQuality"));
        o.choose("comboOutputFormat", kFormatJxl);
        QVERIFY(!o.enabled("editQuality"));
        o.click("checkLossless");
        QVERIFY(o.enabled("editQuality"));
        o.pressOk();
        QCOMPARE(o.dialog->Format().bLossless, false);
    }

    void laterSettingsGoInAndComeBack() {
        OutputPhotoFormat f = WithFormat(kFormatJpg);
        f.nOuputSizeType = kSizeLongEdge;
        f.nLongEdge = 3000;
        f.bNoEnlarge = true;
        f.nMetadata = kMetadataAll;
        Opened o(f);
        QCOMPARE(o.get<QLineEdit>("editLongEdge")->text(), QStringLiteral("3000"));
        QVERIFY(o.checked("checkNoEnlarge"));
        QCOMPARE(o.get<QComboBox>("comboMetadata")->currentText(), QStringLiteral("All"));
        o.type("editLongEdge", "1600");
        o.click("checkNoEnlarge");
        o.choose("comboMetadata", 1);
        o.pressOk();
        QCOMPARE(o.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(o.dialog->Format().nLongEdge, 1600);
        QCOMPARE(o.dialog->Format().bNoEnlarge, false);
        QCOMPARE(o.dialog->Format().nMetadata, int32_t(kMetadataNoLocation));
        // Nothing of them is stored: new photos start from the built-in values.
        QSettings store(QString::fromStdString(SettingsStore::Location()), QSettings::IniFormat);
        QCOMPARE(store.allKeys().size(), 3);
    }

    // An aspect preset fills the height from the width for fill and pad; a
    // height typed by hand makes the frame custom. The finishing comes back.
    void frameControlsFillTheHeightAndComeBack() {
        OutputPhotoFormat f;
        f.nOuputSizeType = kSizeFill;
        f.nOutputWidth = 1080;
        f.nOutputHeight = 1080;
        f.nBackgroundColor = 0x00102030;
        f.nDpi = 72;
        Opened o(f);
        QComboBox* aspect = o.get<QComboBox>("comboAspect");
        QCOMPARE(aspect->currentText(), QStringLiteral("1:1 (square)"));
        QVERIFY(o.enabled("comboCrop"));
        o.choose("comboAspect", 1);  // 4:5
        QCOMPARE(o.get<QLineEdit>("editOutputHeight")->text(), QStringLiteral("1350"));
        QTest::keyClick(o.get<QLineEdit>("editOutputWidth"), Qt::Key_Backspace);  // 108
        QCOMPARE(o.get<QLineEdit>("editOutputHeight")->text(), QStringLiteral("135"));
        QTest::keyClicks(o.get<QLineEdit>("editOutputHeight"), "7");
        QCOMPARE(aspect->currentText(), QStringLiteral("Custom"));
        QCOMPARE(o.get<QPushButton>("buttonBackground")->text(), QStringLiteral("#302010"));
        o.choose("comboCrop", o.get<QComboBox>("comboCrop")->findData(kCropSmart));
        o.choose("comboSharpen", o.get<QComboBox>("comboSharpen")->findData(kSharpenLight));
        o.get<QSpinBox>("spinDpi")->setValue(300);
        o.pressOk();
        QCOMPARE(o.dialog->result(), int(QDialog::Accepted));
        const OutputPhotoFormat& got = o.dialog->Format();
        QCOMPARE(got.nOutputWidth, 108);
        QCOMPARE(got.nOutputHeight, 1357);
        QCOMPARE(got.nCropAnchor, kCropSmart);
        QCOMPARE(got.nBackgroundColor, 0x00102030u);
        QCOMPARE(got.nSharpen, int32_t(kSharpenLight));
        QCOMPARE(got.nDpi, 300);
        // The other rules read the height as typed: no preset touches it.
        Opened fit(WithFormat(kFormatJpg));
        fit.click("radioFitSize");
        QVERIFY(!fit.enabled("comboAspect"));
    }

    // Each entry gives the record its row's stored id, and OK stores it.
    void eachEntryStoresItsRowsId() {
        for (const OutputFormatRow& row : OutputFormats()) {
            Opened o(WithFormat(kFormatJpg));
            QComboBox* formats = o.get<QComboBox>("comboOutputFormat");
            o.choose("comboOutputFormat", formats->findText(QString::fromUtf8(row.listText)));
            QCOMPARE(o.dialog->Format().nOuptputFormat, row.id);
            o.pressOk();
            QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kOutputFormat, -9), row.id);
        }
    }

    void formatWithoutListEntryShowsNeitherGroup() {
        // The reserved "nothing to set", which no format's row ever takes.
        Opened o(WithFormat(kFormatNothingToSet));
        QCOMPARE(o.get<QComboBox>("comboOutputFormat")->currentIndex(), -1);
        QVERIFY(!o.visible("comboPixelFormat"));
        QVERIFY(!o.visible("editQuality"));
        QVERIFY(o.prompter.Prompts().empty());
    }

    void bmpAgainKeepsTheEarlierPixelChoice() {
        Opened o(WithFormat(0));
        o.choose("comboPixelFormat", 1);
        o.choose("comboOutputFormat", 2);
        QVERIFY(!o.visible("comboPixelFormat"));
        QVERIFY(!o.visible("editQuality"));
        o.choose("comboOutputFormat", 0);
        QVERIFY(o.visible("comboPixelFormat"));
        QCOMPARE(o.get<QComboBox>("comboPixelFormat")->currentIndex(), 1);
        QCOMPARE(o.get<QLabel>("labelPixelFormatInfo")->text(),
                 QStringLiteral("4 bits per pixel, indexed. 16 color."));
        o.choose("comboPixelFormat", 5);
        QCOMPARE(o.get<QLabel>("labelPixelFormatInfo")->text(),
                 QString::fromStdString(GetText(143)));
    }

    void sizeTypeEnablesItsControls_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("widthHeight");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("longEdge");
        QTest::addColumn<bool>("noEnlarge");
        QTest::newRow("original") << 0 << "radioOriginalSize" << false << false << false << false
                                  << false;
        QTest::newRow("fixed") << 1 << "radioFixedSize" << true << true << false << false << true;
        QTest::newRow("stretch") << 2 << "radioStretch" << false << false << true << false << false;
        QTest::newRow("fit") << 3 << "radioFitSize" << true << false << false << false << true;
        QTest::newRow("long edge")
            << 4 << "radioLongEdge" << false << false << false << true << true;
        QTest::newRow("fill") << 5 << "radioFillSize" << true << false << false << false << false;
        QTest::newRow("pad") << 6 << "radioPadSize" << true << false << false << false << false;
    }
    void sizeTypeEnablesItsControls() {
        QFETCH(int, type);
        QFETCH(QString, radio);
        QFETCH(bool, widthHeight);
        QFETCH(bool, keep);
        QFETCH(bool, stretch);
        QFETCH(bool, longEdge);
        QFETCH(bool, noEnlarge);
        const int rules = static_cast<int>(SizeRules().size());
        for (bool byUser : {false, true}) {
            OutputPhotoFormat f;
            f.nOuputSizeType = byUser ? (type + 1) % rules : type;
            f.nKeepAspectRatio = kKeepNone;
            Opened o(f);
            if (byUser) {
                o.click(radio.toLatin1().constData());
                QCOMPARE(o.dialog->Format().nOuputSizeType, type);
            }
            for (const SizeRuleRow& row : SizeRules())
                QCOMPARE(o.checked(row.radioName), radio == QLatin1String(row.radioName));
            for (const char* name : {"editOutputWidth", "editOutputHeight"})
                QVERIFY2(o.enabled(name) == widthHeight, name);
            for (const char* name : {"checkKeepWidth", "checkKeepHeight"})
                QVERIFY2(o.enabled(name) == keep, name);
            for (const char* name : {"labelHorizontal", "editStretchHorizontal", "labelVertical",
                                     "editStretchVertical"})
                QVERIFY2(o.enabled(name) == stretch, name);
            QCOMPARE(o.enabled("editLongEdge"), longEdge);
            QCOMPARE(o.enabled("checkNoEnlarge"), noEnlarge);
            QVERIFY(o.enabled("labelOutputWidth"));
            QVERIFY(o.enabled("labelOutputHeight"));
        }
    }

    // The width and height fields are read as a rule's own only when they
    // sit beside its button or under it with no button of a rule that does
    // not read them in between.
    void widthAndHeightSitWithTheirRules() {
        Opened o;
        auto topOf = [&o](const char* name) {
            QWidget* w = o.get<QWidget>(name);
            return w->mapTo(o.dialog.get(), QPoint(0, 0)).y();
        };
        const int fields = topOf("editOutputWidth");
        const int fieldsEnd = topOf("editOutputHeight") + o.get<QWidget>("editOutputHeight")->height();
        for (const SizeRuleRow& rule : SizeRules()) {
            if (!(rule.inputs & kUsesWidthHeight))
                continue;
            const int top = topOf(rule.radioName);
            QVERIFY2(top < fieldsEnd, rule.radioName);
            for (const SizeRuleRow& other : SizeRules()) {
                const int between = topOf(other.radioName);
                QVERIFY2((other.inputs & kUsesWidthHeight) || between < top || between > fields,
                         qPrintable(QStringLiteral("%1 between %2 and its fields")
                                        .arg(QLatin1String(other.radioName),
                                             QLatin1String(rule.radioName))));
            }
        }
    }

    // Fit reads both sides, so no aspect rule may hide one of them, nor show
    // as ticked; Fixed size still has the rule.
    void fitShowsBothRowsWhateverTheAspectRule() {
        OutputPhotoFormat f;
        f.nOuputSizeType = kSizeFit;
        f.nKeepAspectRatio = kKeepWidth;
        Opened o(f);
        QVERIFY(o.visible("editOutputWidth"));
        QVERIFY(o.visible("editOutputHeight"));
        QVERIFY(!o.checked("checkKeepWidth"));
        o.click("radioFixedSize");
        QVERIFY(o.checked("checkKeepWidth"));
        QVERIFY(!o.visible("editOutputHeight"));
        o.click("radioFitSize");
        QVERIFY(o.visible("editOutputHeight"));
    }

    void aspectRuleSetsChecksAndRows_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<bool>("keepWidth");
        QTest::addColumn<bool>("keepHeight");
        QTest::addColumn<bool>("widthRow");
        QTest::addColumn<bool>("heightRow");
        QTest::newRow("unchanged") << 0 << false << false << true << true;
        QTest::newRow("from width") << 1 << true << false << true << false;
        QTest::newRow("from height") << 2 << false << true << false << true;
    }
    void aspectRuleSetsChecksAndRows() {
        QFETCH(int, rule);
        QFETCH(bool, keepWidth);
        QFETCH(bool, keepHeight);
        QFETCH(bool, widthRow);
        QFETCH(bool, heightRow);
        OutputPhotoFormat f;
        f.nKeepAspectRatio = rule;
        Opened o(f);
        QCOMPARE(o.checked("checkKeepWidth"), keepWidth);
        QCOMPARE(o.checked("checkKeepHeight"), keepHeight);
        QCOMPARE(o.visible("labelOutputWidth"), widthRow);
        QCOMPARE(o.visible("editOutputWidth"), widthRow);
        QCOMPARE(o.visible("labelOutputHeight"), heightRow);
        QCOMPARE(o.visible("editOutputHeight"), heightRow);
    }

    void visibilityAndEnablingAreIndependent() {
        OutputPhotoFormat f;
        f.nOuputSizeType = kSizeOriginal;
        f.nKeepAspectRatio = kKeepWidth;
        Opened o(f);
        QVERIFY(o.visible("editOutputWidth"));
        QVERIFY(!o.enabled("editOutputWidth"));
        QVERIFY(!o.visible("editOutputHeight"));
    }

    void checkBoxPair() {
        OutputPhotoFormat f;
        f.nKeepAspectRatio = kKeepNone;
        Opened o(f);
        struct Step {
            const char* click;
            int rule;
            bool keepWidth, keepHeight, widthRow, heightRow;
        };
        const Step steps[] = {
            {"checkKeepWidth", 1, true, false, true, false},
            {"checkKeepHeight", 2, false, true, false, true},
            {"checkKeepHeight", 0, false, false, true, true},
            {"checkKeepWidth", 1, true, false, true, false},
            {"checkKeepWidth", 0, false, false, true, true},
        };
        for (const Step& step : steps) {
            o.click(step.click);
            QCOMPARE(o.dialog->Format().nKeepAspectRatio, step.rule);
            QCOMPARE(o.checked("checkKeepWidth"), step.keepWidth);
            QCOMPARE(o.checked("checkKeepHeight"), step.keepHeight);
            QCOMPARE(o.visible("editOutputWidth"), step.widthRow);
            QCOMPARE(o.visible("labelOutputWidth"), step.widthRow);
            QCOMPARE(o.visible("editOutputHeight"), step.heightRow);
            QCOMPARE(o.visible("labelOutputHeight"), step.heightRow);
        }
    }

    void radiosRecordTheirValue() {
        Opened o;
        const std::pair<const char*, int> rotations[] = {{"radioRotate90", 90},
                                                         {"radioRotate180", 180},
                                                         {"radioRotate270", 270},
                                                         {"radioRotate0", 0}};
        for (auto [name, angle] : rotations) {
            o.click(name);
            QCOMPARE(o.dialog->Format().nRotateAngel, angle);
        }
        const std::pair<const char*, int> flips[] = {
            {"radioFlipVertical", 2}, {"radioFlipHorizontal", 1}, {"radioNoFlip", 0}};
        for (auto [name, flip] : flips) {
            o.click(name);
            QCOMPARE(o.dialog->Format().nFlipType, flip);
        }
        o.click("radioRotate270");
        o.click("radioFlipHorizontal");
        o.pressOk();
        QCOMPARE(o.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(o.dialog->Format().nRotateAngel, 270);
        QCOMPARE(o.dialog->Format().nFlipType, 1);
    }

    void initialisationShowsTheRecord() {
        OutputPhotoFormat f;
        f.nRotateAngel = 180;
        f.nFlipType = kFlipVertical;
        f.nOutputWidth = -5;
        f.nOutputHeight = 10000000;
        f.dStretchHorizontal = 0.1;
        f.dStretchVertical = 1.0 / 3.0;
        Opened o(f);
        QVERIFY(o.checked("radioRotate180"));
        QVERIFY(!o.checked("radioRotate0"));
        QVERIFY(o.checked("radioFlipVertical"));
        QCOMPARE(o.get<QLineEdit>("editOutputWidth")->text(), QStringLiteral("-5"));
        QCOMPARE(o.get<QLineEdit>("editOutputHeight")->text(), QStringLiteral("10000000"));
        QCOMPARE(o.get<QLineEdit>("editStretchHorizontal")->text(), QStringLiteral("0.1"));
        QCOMPARE(o.get<QLineEdit>("editStretchVertical")->text(),
                 QStringLiteral("0.333333333333333"));
        QCOMPARE(o.get<QComboBox>("comboPixelFormat")->currentIndex(), 4);
        QVERIFY(o.dialog->focusWidget() ==
                o.get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok));
        // A width no output can have is shown but not taken back.
        o.pressOk();
        QCOMPARE(PromptsOf(o.prompter).size(), 1);
        QCOMPARE(PromptsOf(o.prompter)[0].text,
                 QStringLiteral("Please enter an integer between 1 and 10000000."));
        QVERIFY(o.dialog->isVisible());
        // Untouched values come back as they went in (the factors within 15 digits).
        o.type("editOutputWidth", "1");
        o.pressOk();
        OutputPhotoFormat back = o.dialog->Format();
        QCOMPARE(back.nOutputWidth, 1);
        QCOMPARE(back.nOutputHeight, 10000000);
        QCOMPARE(back.dStretchHorizontal, 0.1);
        QVERIFY(qAbs(back.dStretchVertical - 1.0 / 3.0) < 1e-15);
    }

    void outOfSetValuesAreReported_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rotation") << "nRotateAngel" << 45 << "Unknown rotate angle!"
                                  << "Error";
        QTest::newRow("negative rotation") << "nRotateAngel" << -90 << "Unknown rotate angle!"
                                           << "Error";
        QTest::newRow("flip") << "nFlipType" << 3 << "Unknown flip type!"
                              << "Error";
        QTest::newRow("size type") << "nOuputSizeType" << 99 << "Unknown nOuputSizeType type!"
                                   << "Error";
        QTest::newRow("aspect rule") << "nKeepAspectRatio" << -1 << "Unknown nKeepAspectRatio type!"
                                     << "Error";
        QTest::newRow("format") << "nOuptputFormat" << 9 << "unknown error"
                                << "error";
        QTest::newRow("negative format") << "nOuptputFormat" << -1 << "unknown error"
                                         << "error";
    }
    void outOfSetValuesAreReported() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        OutputPhotoFormat f;
        if (field == "nRotateAngel")
            f.nRotateAngel = value;
        if (field == "nFlipType")
            f.nFlipType = value;
        if (field == "nOuputSizeType")
            f.nOuputSizeType = value;
        if (field == "nKeepAspectRatio")
            f.nKeepAspectRatio = value;
        if (field == "nOuptputFormat")
            f.nOuptputFormat = value;
        Opened o(f);
        QList<Shown> prompts = PromptsOf(o.prompter);
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(prompts[0].text, text);
        QCOMPARE(prompts[0].caption, caption);
        // The value stays in its member and comes back on OK unless a list overrides it.
        o.pressOk();
        QCOMPARE(o.dialog->result(), int(QDialog::Accepted));
        if (field == "nRotateAngel")
            QCOMPARE(o.dialog->Format().nRotateAngel, value);
        if (field == "nOuputSizeType")
            QCOMPARE(o.dialog->Format().nOuputSizeType, value);
        if (field == "nOuptputFormat")
            QCOMPARE(o.dialog->Format().nOuptputFormat, -1);
    }

    void unknownSizeTypeLeavesTheRadiosAlone() {
        OutputPhotoFormat f;
        f.nOuputSizeType = 99;
        Opened o(f);
        for (const SizeRuleRow& row : SizeRules())
            QVERIFY2(!o.checked(row.radioName), row.radioName);
    }

    void validation_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("sizeType");
        QTest::addColumn<QStringList>("edits");  // name=text pairs typed before OK
        QTest::addColumn<QString>("message");    // empty: accepted
        QTest::addColumn<QString>("focus");      // the edit that gets the focus
        const QString integer = "Please enter an integer.";
        const QString number = "Please enter a number.";
        const QString quality = "Please enter an integer between 1 and 100.";
        const QString factor = "Please enter a number between 1e-06 and 1000000.";
        QTest::newRow("all valid") << 1 << 1 << QStringList{} << ""
                                   << "";
        QTest::newRow("quality not a number")
            << 1 << 1 << QStringList{"editQuality=high"} << integer << "editQuality";
        QTest::newRow("quality empty")
            << 1 << 1 << QStringList{"editQuality="} << integer << "editQuality";
        QTest::newRow("quality 0")
            << 1 << 1 << QStringList{"editQuality=0"} << quality << "editQuality";
        QTest::newRow("quality 101")
            << 1 << 1 << QStringList{"editQuality=101"} << quality << "editQuality";
        QTest::newRow("quality 1 and 100 pass") << 1 << 1 << QStringList{"editQuality= 100 "} << ""
                                                << "";
        QTest::newRow("quality 2.5")
            << 1 << 1 << QStringList{"editQuality=2.5"} << integer << "editQuality";
        QTest::newRow("hidden quality 0 (TIF)")
            << 3 << 1 << QStringList{"editQuality=0"} << quality << "";
        QTest::newRow("width text")
            << 1 << 1 << QStringList{"editOutputWidth=12px"} << integer << "editOutputWidth";
        QTest::newRow("width overflow")
            << 1 << 1 << QStringList{"editOutputWidth=2147483648"} << integer << "editOutputWidth";
        const QString side = "Please enter an integer between 1 and 10000000.";
        QTest::newRow("negative width")
            << 1 << 1 << QStringList{"editOutputWidth=-3"} << side << "editOutputWidth";
        QTest::newRow("width 0") << 1 << 1 << QStringList{"editOutputWidth=0"} << side
                                 << "editOutputWidth";
        QTest::newRow("height above bound")
            << 1 << 1 << QStringList{"editOutputHeight=10000001"} << side << "";
        QTest::newRow("width and height bounds pass")
            << 1 << 1 << QStringList{"editOutputWidth=1", "editOutputHeight=10000000"} << ""
            << "";
        QTest::newRow("disabled width -3")
            << 1 << 0 << QStringList{"editOutputWidth=-3"} << side << "";
        QTest::newRow("disabled width text")
            << 1 << 0 << QStringList{"editOutputWidth=abc"} << integer << "";
        QTest::newRow("height empty")
            << 1 << 1 << QStringList{"editOutputHeight="} << integer << "";
        QTest::newRow("horizontal text") << 1 << 2 << QStringList{"editStretchHorizontal=half"}
                                         << number << "editStretchHorizontal";
        QTest::newRow("horizontal inf") << 1 << 2 << QStringList{"editStretchHorizontal=inf"}
                                        << number << "editStretchHorizontal";
        QTest::newRow("horizontal comma") << 1 << 2 << QStringList{"editStretchHorizontal=0,5"}
                                          << number << "editStretchHorizontal";
        QTest::newRow("horizontal 0") << 1 << 2 << QStringList{"editStretchHorizontal=0"} << factor
                                      << "editStretchHorizontal";
        QTest::newRow("horizontal lower bound")
            << 1 << 2 << QStringList{"editStretchHorizontal=0.000001"} << ""
            << "";
        QTest::newRow("horizontal exponent")
            << 1 << 2 << QStringList{"editStretchHorizontal=+2.5e2"} << ""
            << "";
        QTest::newRow("vertical above bound")
            << 1 << 2 << QStringList{"editStretchVertical=1000000.5"} << factor
            << "editStretchVertical";
        QTest::newRow("vertical negative")
            << 1 << 2 << QStringList{"editStretchVertical=-1"} << factor << "editStretchVertical";
        QTest::newRow("disabled factor 0")
            << 1 << 0 << QStringList{"editStretchVertical=0"} << factor << "";
        // Reading stops at the first failing field, in the exchange order.
        QTest::newRow("quality before width")
            << 1 << 1 << QStringList{"editOutputWidth=x", "editQuality=0"} << quality
            << "editQuality";
        QTest::newRow("width before height")
            << 1 << 1 << QStringList{"editOutputHeight=x", "editOutputWidth=y"} << integer
            << "editOutputWidth";
        QTest::newRow("height before factors")
            << 1 << 1 << QStringList{"editStretchHorizontal=0", "editOutputHeight=z"} << integer
            << "";
        QTest::newRow("horizontal before vertical")
            << 1 << 2 << QStringList{"editStretchVertical=x", "editStretchHorizontal=0"} << factor
            << "editStretchHorizontal";
        QTest::newRow("long edge 0")
            << 1 << 4 << QStringList{"editLongEdge=0"} << side << "editLongEdge";
        QTest::newRow("long edge text")
            << 1 << 4 << QStringList{"editLongEdge=big"} << integer << "editLongEdge";
        QTest::newRow("long edge bounds pass")
            << 1 << 4 << QStringList{"editLongEdge=10000000"} << ""
            << "";
        QTest::newRow("disabled long edge 0")
            << 1 << 1 << QStringList{"editLongEdge=0"} << side << "";
        QTest::newRow("factors before long edge")
            << 1 << 4 << QStringList{"editLongEdge=0", "editStretchVertical=0"} << factor << "";
    }
    void validation() {
        QFETCH(int, format);
        QFETCH(int, sizeType);
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        OutputPhotoFormat f = WithFormat(format);
        f.nOuputSizeType = sizeType;
        f.nKeepAspectRatio = kKeepNone;
        Opened o(f);
        for (const QString& edit : edits) {
            QString name = edit.section('=', 0, 0);
            o.type(name.toLatin1().constData(), edit.section('=', 1));
        }
        o.pressOk();
        QList<Shown> prompts = PromptsOf(o.prompter);
        if (message.isEmpty()) {
            QCOMPARE(prompts.size(), 0);
            QCOMPARE(o.dialog->result(), int(QDialog::Accepted));
            QVERIFY(!o.dialog->isVisible());
            QVERIFY(StoreHas(settings::kOutputFormat));
            return;
        }
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(prompts[0].text, message);
        QCOMPARE(prompts[0].caption, QStringLiteral("Quillmere"));
        QVERIFY(o.dialog->isVisible());
        QCOMPARE(o.dialog->result(), int(QDialog::Rejected));
        for (const char* key :
             {settings::kOutputFormat, settings::kJpegQuality, settings::kPixelFormat})
            QVERIFY2(!StoreHas(key), key);
        if (!focus.isEmpty())
            QCOMPARE(o.dialog->focusWidget(), o.get<QWidget>(focus.toLatin1().constData()));
    }

    void storedQualityReplacesTheRecords() {
        QVERIFY(SettingsStore::WriteInt(settings::kOption, settings::kJpegQuality, 90).IsOk());
        OutputPhotoFormat f;
        f.nCurrentJpegQuality = 30;
        Opened o(f);
        QCOMPARE(o.get<QLineEdit>("editQuality")->text(), QStringLiteral("90"));
        o.pressOk();
        QCOMPARE(o.dialog->Format().nCurrentJpegQuality, 90);

        // Confirming 50 once makes every later opening show 50.
        Opened second(f);
        second.type("editQuality", "50");
        second.pressOk();
        Opened third(f);
        QCOMPARE(third.get<QLineEdit>("editQuality")->text(), QStringLiteral("50"));
    }

    void okStoresFormatQualityAndPixelFormat() {
        Opened o(WithFormat(0));
        o.choose("comboPixelFormat", 2);
        o.choose("comboOutputFormat", 3);
        o.type("editQuality", "65");
        o.pressOk();
        QCOMPARE(o.dialog->Format().nOuptputFormat, 3);
        QCOMPARE(o.dialog->Format().iComboPixelFormat, 2);
        QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kOutputFormat, -9), 3);
        QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kPixelFormat, -9), 2);
        QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kJpegQuality, -9), 65);
    }

    // Only 16 and 256 colours have a table to choose; the choice is kept.
    void coloursChoiceOnlyForSixteenAnd256Colours() {
        Opened o(WithFormat(0));
        const struct {
            int pixelFormat;
            bool colours;
        } rows[] = {{0, false}, {1, true}, {2, true}, {4, false}, {3, false}};
        for (const auto& row : rows) {
            o.choose("comboPixelFormat", row.pixelFormat);
            QCOMPARE(o.enabled("comboPalette"), row.colours);
        }
        o.choose("comboPixelFormat", 2);
        o.choose("comboPalette", o.get<QComboBox>("comboPalette")->findData(kPaletteAdaptive));
        o.pressOk();
        QCOMPARE(o.dialog->Format().nPalette, int(kPaletteAdaptive));
        Opened again(o.dialog->Format());
        QCOMPARE(again.get<QComboBox>("comboPalette")->currentData().toInt(), int(kPaletteAdaptive));
    }

    void pixelChoiceWithoutEntry() {
        OutputPhotoFormat f = WithFormat(0);
        f.iComboPixelFormat = 12;
        Opened o(f);
        QVERIFY(o.prompter.Prompts().empty());
        QCOMPARE(o.get<QComboBox>("comboPixelFormat")->currentIndex(), -1);
        QCOMPARE(o.get<QLabel>("labelPixelFormatInfo")->text(),
                 QString::fromStdString(GetText(142)));
        o.pressOk();
        QCOMPARE(o.dialog->Format().iComboPixelFormat, -1);
        QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kPixelFormat, 4), -1);
    }

    // A stored quality no format takes is told, naming its key, and not used.
    void storedQualityOutsideItsRangeIsRefused() {
        SettingsStore::WriteInt(settings::kOption, settings::kJpegQuality, 0);
        Opened o(WithFormat(kFormatJpg));
        QCOMPARE(o.get<QLineEdit>("editQuality")->text(), QStringLiteral("80"));
        QList<Shown> prompts = PromptsOf(o.prompter);
        QCOMPARE(prompts.size(), 1);
        QVERIFY2(prompts[0].text.contains("nCurrentJpegQuality"), qPrintable(prompts[0].text));
        QCOMPARE(prompts[0].caption, QStringLiteral("Warning"));
        o.pressOk();
        QCOMPARE(SettingsStore::GetInt(settings::kOption, settings::kJpegQuality, -9), 80);
    }

    void cancelStoresNothing() {
        Opened o(WithFormat(2));
        o.type("editQuality", "42");
        o.get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(o.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!StoreHas(settings::kOutputFormat));
        QVERIFY(!StoreHas(settings::kJpegQuality));
        QVERIFY(o.prompter.Prompts().empty());
    }

    // The size search's own settings beside the limit: offered where the
    // format reads them, and what is set there is what OK keeps.
    void sizeSearchSettings_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("limit");
        QTest::addColumn<bool>("lowestOffered");
        QTest::addColumn<bool>("chromaOffered");
        QTest::addColumn<bool>("progressiveOffered");
        QTest::newRow("JPG with a limit") << int(kFormatJpg) << true << true << true << true;
        QTest::newRow("JPG without a limit") << int(kFormatJpg) << false << false << true << true;
        QTest::newRow("AVIF: no progressive") << int(kFormatAvif) << true << true << true << false;
        QTest::newRow("PNG: lossless, none") << int(kFormatPng) << true << false << false << false;
    }
    void sizeSearchSettings() {
        QFETCH(int, format);
        QFETCH(bool, limit);
        QFETCH(bool, lowestOffered);
        QFETCH(bool, chromaOffered);
        QFETCH(bool, progressiveOffered);
        OutputPhotoFormat f = WithFormat(format);
        f.nMaxFileSize = limit ? 200000 : 0;
        Opened o(f);
        QCOMPARE(o.enabled("spinMinQuality"), lowestOffered);
        QCOMPARE(o.enabled("comboChroma"), chromaOffered);
        QCOMPARE(o.enabled("checkProgressive"), progressiveOffered);
        o.get<QSpinBox>("spinMinQuality")->setValue(55);
        o.choose("comboChroma", o.get<QComboBox>("comboChroma")->findData(int(kChroma444)));
        o.get<QCheckBox>("checkProgressive")->setChecked(true);
        o.pressOk();
        QCOMPARE(o.dialog->Format().nMinQuality, 55);
        QCOMPARE(o.dialog->Format().nChroma, int(kChroma444));
        QVERIFY(o.dialog->Format().bProgressive);
        QCOMPARE(o.dialog->Format().nMaxFileSize, int64_t(limit ? 200000 : 0));
    }
};

QUILLMERE_QTEST_MAIN(CDialogPhotoOptionsTest)
#include "CDialogPhotoOptionsTest.moc"
