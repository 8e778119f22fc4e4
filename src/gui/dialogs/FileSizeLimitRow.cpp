#include "dialogs/FileSizeLimitRow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>

#include <charconv>
#include <cmath>

#include "dialogs/ChoiceList.h"
#include "dialogs/FilledText.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"

namespace {

// The dialog counts in KB of 1,000 bytes, as the command line's K does.
constexpr double kBytesPerKb = 1000;

QString KbText(int64_t bytes) {
    // Up to three decimals, so that a limit set in bytes shows exactly.
    QString text = QString::number(static_cast<double>(bytes) / kBytesPerKb, 'f', 3);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

}  // namespace

FileSizeLimitRow::FileSizeLimitRow(QWidget* parent, QBoxLayout* column) : QObject(parent) {
    auto* row = new QHBoxLayout;
    check_ = new QCheckBox(tr("L&imit file size to"), parent);
    check_->setObjectName(QStringLiteral("checkMaxFileSize"));
    edit_ = new QLineEdit(parent);
    edit_->setObjectName(QStringLiteral("editMaxFileSize"));
    edit_->setAccessibleName(tr("Largest file size in KB"));
    edit_->setMaximumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")));
    auto* unit = new QLabel(tr("KB"), parent);
    note_ = new QLabel(parent);
    note_->setObjectName(QStringLiteral("labelMaxFileSizeNote"));
    note_->setWordWrap(true);
    row->addWidget(check_);
    row->addWidget(edit_);
    row->addWidget(unit);
    row->addWidget(note_, 1);
    column->addLayout(row);
    connect(check_, &QCheckBox::toggled, edit_, &QWidget::setEnabled);
    AddSearchRow(parent, column);
}

void FileSizeLimitRow::AddSearchRow(QWidget* parent, QBoxLayout* column) {
    auto* row = new QHBoxLayout;
    const NumberSetting& lowest = numbers::kMinQuality;
    minQuality_ = new QSpinBox(parent);
    minQuality_->setObjectName(QStringLiteral("spinMinQuality"));
    minQuality_->setRange(static_cast<int>(lowest.min), static_cast<int>(lowest.max));
    minQuality_->setValue(lowest.WholeBuiltIn());
    minQuality_->setToolTip(tr("The search for a size that fits goes no lower"));
    auto* lowestLabel = new QLabel(tr("Lo&west quality:"), parent);
    lowestLabel->setBuddy(minQuality_);
    chroma_ = new QComboBox(parent);
    chroma_->setObjectName(QStringLiteral("comboChroma"));
    FillChoices(chroma_, ChromaChoices(), [](const NamedChoice& c) { return c.text; });
    for (int i = 0; i < chroma_->count(); ++i)
        chroma_->setItemData(i, TableText(ChromaChoices()[static_cast<std::size_t>(i)].helpNote),
                             Qt::ToolTipRole);
    auto* chromaLabel = new QLabel(tr("Colour &resolution:"), parent);
    chromaLabel->setBuddy(chroma_);
    progressive_ = new QCheckBox(tr("Pro&gressive"), parent);
    progressive_->setObjectName(QStringLiteral("checkProgressive"));
    progressive_->setToolTip(tr("A JPG shown coarse first while it loads"));
    row->addSpacing(check_->style()->pixelMetric(QStyle::PM_IndicatorWidth));
    row->addWidget(lowestLabel);
    row->addWidget(minQuality_);
    row->addSpacing(12);
    row->addWidget(chromaLabel);
    row->addWidget(chroma_);
    row->addSpacing(12);
    row->addWidget(progressive_);
    row->addStretch(1);
    column->addLayout(row);
    connect(check_, &QCheckBox::toggled, this, &FileSizeLimitRow::EnableSearchRow);
}

void FileSizeLimitRow::EnableSearchRow() {
    minQuality_->setEnabled(check_->isChecked() && byQuality_);
    chroma_->setEnabled(format_ == kFormatJpg || format_ == kFormatAvif);
    progressive_->setEnabled(format_ == kFormatJpg);
}

void FileSizeLimitRow::Load(const OutputPhotoFormat& format) {
    loadedBytes_ = format.nMaxFileSize;
    // Unlimited shows a value to start from.
    loadedText_ = KbText(loadedBytes_ > 0 ? loadedBytes_ : 500 * 1000);
    check_->setChecked(loadedBytes_ > 0);
    edit_->setEnabled(loadedBytes_ > 0);
    edit_->setText(loadedText_);
    minQuality_->setValue(format.nMinQuality);
    SelectChoice(chroma_, format.nChroma);
    progressive_->setChecked(format.bProgressive);
    EnableSearchRow();
}

bool FileSizeLimitRow::Read(OutputPhotoFormat& format, QLineEdit*& refused,
                            std::string& message) const {
    format.nMinQuality = minQuality_->value();
    format.nChroma = ChosenId(chroma_, format.nChroma);
    format.bProgressive = progressive_->isChecked();
    if (!check_->isChecked()) {
        format.nMaxFileSize = 0;
        return true;
    }
    const QString text = edit_->text().trimmed();
    // Unchanged text keeps the limit exactly as it came (a preset's bytes).
    if (text == loadedText_ && loadedBytes_ > 0) {
        format.nMaxFileSize = loadedBytes_;
        return true;
    }
    const std::string typed = text.toStdString();
    double kb = 0;
    const auto parsed = std::from_chars(typed.data(), typed.data() + typed.size(), kb);
    const double maxKb = numbers::kMaxFileSize.max / kBytesPerKb;
    if (parsed.ec != std::errc() || parsed.ptr != typed.data() + typed.size() ||
        !std::isfinite(kb) || kb < 1 || kb > maxKb) {
        refused = edit_;
        message = Filled(tr("Please enter a number of KB between 1 and %1."), {NumberText(maxKb)});
        return false;
    }
    format.nMaxFileSize = static_cast<int64_t>(std::llround(kb * kBytesPerKb));
    return true;
}

void FileSizeLimitRow::ShowFor(unsigned formatSettings, bool lossless, int32_t format) {
    const bool byQuality =
        (formatSettings & kUsesQuality) && !(lossless && (formatSettings & kUsesLossless));
    byQuality_ = byQuality;
    format_ = format;
    EnableSearchRow();
    note_->setText(byQuality ? tr("the best quality that fits, then a smaller size")
                             : tr("lossless: met by a smaller size only"));
}
