#include "dialogs/FileSizeLimitRow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <charconv>
#include <cmath>

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
    check_ = new QCheckBox(QStringLiteral("Limit file size to"), parent);
    check_->setObjectName(QStringLiteral("checkMaxFileSize"));
    edit_ = new QLineEdit(parent);
    edit_->setObjectName(QStringLiteral("editMaxFileSize"));
    edit_->setAccessibleName(QStringLiteral("Largest file size in KB"));
    edit_->setMaximumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")));
    auto* unit = new QLabel(QStringLiteral("KB"), parent);
    note_ = new QLabel(parent);
    note_->setObjectName(QStringLiteral("labelMaxFileSizeNote"));
    note_->setWordWrap(true);
    row->addWidget(check_);
    row->addWidget(edit_);
    row->addWidget(unit);
    row->addWidget(note_, 1);
    column->addLayout(row);
    connect(check_, &QCheckBox::toggled, edit_, &QWidget::setEnabled);
}

void FileSizeLimitRow::Load(const OutputPhotoFormat& format) {
    loadedBytes_ = format.nMaxFileSize;
    // Unlimited shows a value to start from.
    loadedText_ = KbText(loadedBytes_ > 0 ? loadedBytes_ : 500 * 1000);
    check_->setChecked(loadedBytes_ > 0);
    edit_->setEnabled(loadedBytes_ > 0);
    edit_->setText(loadedText_);
}

bool FileSizeLimitRow::Read(OutputPhotoFormat& format, QLineEdit*& refused,
                            std::string& message) const {
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
        message = "Please enter a number of KB between 1 and " + NumberText(maxKb) + ".";
        return false;
    }
    format.nMaxFileSize = static_cast<int64_t>(std::llround(kb * kBytesPerKb));
    return true;
}

void FileSizeLimitRow::ShowFor(unsigned formatSettings, bool lossless) {
    const bool byQuality =
        (formatSettings & kUsesQuality) && !(lossless && (formatSettings & kUsesLossless));
    note_->setText(byQuality ? QStringLiteral("the best quality that fits, then a smaller size")
                             : QStringLiteral("lossless: met by a smaller size only"));
}
