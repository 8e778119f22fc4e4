#include "dialogs/FontColorDialog.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <tuple>

#include "imaging/FontConversion.h"
#include "model/NumberSettings.h"
#include "ui_FontColorDialog.h"

namespace {

constexpr int kDefaultPixels = numbers::kFontPixels.WholeBuiltIn();
constexpr int kMaxSamplePixels = 48;

struct StyleTraits {
    int weight;
    bool italic;
    bool narrowOrWide;  // a condensed or expanded cut of the family
};

bool NameHas(const QString& style, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (style.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

StyleTraits TraitsOf(const QString& family, const QString& style) {
    int weight = QFontDatabase::weight(family, style);
    if (weight < 0)  // a synthetic style of a family the database does not list
        weight = NameHas(style, {"Bold"}) ? 700 : 400;
    // The database calls oblique cuts upright; users see them as italic.
    bool italic = QFontDatabase::italic(family, style) || NameHas(style, {"Italic", "Oblique"});
    bool narrowOrWide = NameHas(style, {"Condensed", "Expanded", "Narrow", "Wide", "Compressed"});
    return {weight, italic, narrowOrWide};
}

}  // namespace

QColor FontColorDialog::QColorFromColorRef(uint32_t color) {
    return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
}

uint32_t FontColorDialog::ColorRefFromQColor(const QColor& color) {
    QColor rgb = color.toRgb();
    return static_cast<uint32_t>(rgb.red()) | static_cast<uint32_t>(rgb.green()) << 8 |
           static_cast<uint32_t>(rgb.blue()) << 16;
}

FontColorDialog::FontColorDialog(const LogFont& font, uint32_t color, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::FontColorDialog>()),
      base_(font),
      color_(color & 0xffffff) {
    ui_->setupUi(this);
    ui_->spinSize->setRange(static_cast<int>(numbers::kFontPixels.min),
                            static_cast<int>(numbers::kFontPixels.max));

    QFont start = QFontFromLogFont(font);
    // An empty face name shows the family it resolves to.
    QString family = font.lfFaceName.empty() ? QFontInfo(QFontFromLogFont(LogFont{})).family()
                                             : QString::fromStdString(font.lfFaceName);
    ui_->comboFace->setCurrentFont(QFont(family));
    int pixels = font.lfHeight == 0 ? kDefaultPixels
                                    : static_cast<int>(std::min<long long>(
                                          std::llabs(font.lfHeight), ui_->spinSize->maximum()));
    ui_->spinSize->setValue(pixels);
    ui_->checkUnderline->setChecked(font.lfUnderline != 0);
    ui_->checkStrikeOut->setChecked(font.lfStrikeOut != 0);
    FillStyles();
    // The style that comes closest to the record's weight and slant.
    int best = -1, bestDistance = 0;
    for (int i = 0; i < ui_->comboStyle->count(); ++i) {
        StyleTraits traits =
            TraitsOf(ui_->comboFace->currentFont().family(), ui_->comboStyle->itemText(i));
        int distance = std::abs(traits.weight - start.weight()) +
                       (traits.italic != start.italic() ? 10000 : 0) +
                       (traits.narrowOrWide ? 1000 : 0);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    ui_->comboStyle->setCurrentIndex(best);
    SetColor(color_);

    connect(ui_->comboFace, &QFontComboBox::currentFontChanged, this, [this] {
        QString previous = ui_->comboStyle->currentText();
        FillStyles();
        int same = ui_->comboStyle->findText(previous);
        ui_->comboStyle->setCurrentIndex(same >= 0 ? same : 0);
        UpdateSample();
    });
    connect(ui_->comboStyle, &QComboBox::currentIndexChanged, this, &FontColorDialog::UpdateSample);
    connect(ui_->spinSize, &QSpinBox::valueChanged, this, &FontColorDialog::UpdateSample);
    connect(ui_->checkUnderline, &QCheckBox::toggled, this, &FontColorDialog::UpdateSample);
    connect(ui_->checkStrikeOut, &QCheckBox::toggled, this, &FontColorDialog::UpdateSample);
    connect(ui_->buttonColor, &QPushButton::clicked, this, &FontColorDialog::ChooseColor);
    // Enter is OK wherever the focus is; the colour button opens on Space.
    ui_->buttonColor->setAutoDefault(false);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    UpdateSample();
}

FontColorDialog::~FontColorDialog() = default;

bool FontColorDialog::Edit(QWidget* parent, LogFont& font, uint32_t& color) {
    FontColorDialog dialog(font, color, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Font();
    color = dialog.Color();
    return true;
}

void FontColorDialog::FillStyles() {
    QSignalBlocker block(ui_->comboStyle);
    ui_->comboStyle->clear();
    QStringList styles = QFontDatabase::styles(ui_->comboFace->currentFont().family());
    if (styles.isEmpty())
        styles = {QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                  QStringLiteral("Bold Italic")};
    // Regular widths first, then by weight, upright before italic.
    QString family = ui_->comboFace->currentFont().family();
    std::stable_sort(styles.begin(), styles.end(), [&family](const QString& a, const QString& b) {
        StyleTraits ta = TraitsOf(family, a), tb = TraitsOf(family, b);
        return std::tie(ta.narrowOrWide, ta.weight, ta.italic) <
               std::tie(tb.narrowOrWide, tb.weight, tb.italic);
    });
    ui_->comboStyle->addItems(styles);
}

QFont FontColorDialog::ChosenFont() const {
    QString family = ui_->comboFace->currentFont().family();
    QFont font;
    font.setFamilies({family});
    font.setPixelSize(ui_->spinSize->value());
    StyleTraits traits = TraitsOf(family, ui_->comboStyle->currentText());
    font.setWeight(static_cast<QFont::Weight>(std::clamp(traits.weight, 1, 1000)));
    font.setItalic(traits.italic);
    font.setUnderline(ui_->checkUnderline->isChecked());
    font.setStrikeOut(ui_->checkStrikeOut->isChecked());
    return font;
}

LogFont FontColorDialog::Font() const {
    // The face the dialog showed, named even when it was the one offered.
    return LogFontFromQFont(ChosenFont(), base_);
}

void FontColorDialog::SetColor(uint32_t color) {
    color_ = color & 0xffffff;
    QColor qcolor = QColorFromColorRef(color_);
    QPixmap swatch(28, 16);
    swatch.fill(qcolor);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    ui_->buttonColor->setIcon(QIcon(swatch));
    ui_->buttonColor->setIconSize(swatch.size());
    ui_->buttonColor->setText(qcolor.name(QColor::HexRgb).toUpper());
    UpdateSample();
}

void FontColorDialog::ChooseColor() {
    QColor chosen =
        QColorDialog::getColor(QColorFromColorRef(color_), this, tr("Text Color"));
    if (chosen.isValid())
        SetColor(ColorRefFromQColor(chosen));
}

void FontColorDialog::UpdateSample() {
    QFont font = ChosenFont();
    font.setPixelSize(std::min(font.pixelSize(), kMaxSamplePixels));
    ui_->labelSample->setFont(font);
    QColor text = QColorFromColorRef(color_);
    // A backdrop the text stands out from, as it would on a photo.
    QColor backdrop = text.lightness() > 140 ? QColor(0x30, 0x30, 0x30) : QColor(0xf4, 0xf4, 0xf4);
    QPalette palette = ui_->labelSample->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, backdrop);
    ui_->labelSample->setPalette(palette);
}
