#include "options/CDialogPhotoOptions.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "app/ProductInfo.h"
#include "app/QtPrompter.h"
#include "app/SettingsStore.h"
#include "lang/LanguagePack.h"
#include "ui_CDialogPhotoOptions.h"

namespace {

constexpr int32_t kMinQuality = 1;
constexpr int32_t kMaxQuality = 100;
constexpr double kMinStretch = 0.000001;
constexpr double kMaxStretch = 1000000.0;
constexpr int kFormatCount = 5;  // the list's four and one spare value that shows nothing

enum DetailsPage { kPagePixelFormat = 0, kPageQuality = 1, kPageNone = 2 };

// Shortest of fixed and exponent notation with 15 significant digits, in the
// C locale whatever the user's locale ("%.15g").
std::string FormatNumber(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string Trimmed(const QString& text) { return text.trimmed().toStdString(); }

// A decimal number in the C locale, the whole text, finite.
bool ParseNumber(const std::string& text, double& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-')
            return false;
    }
    double parsed = 0;
    auto result = std::from_chars(begin, end, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CDialogPhotoOptions::CDialogPhotoOptions(QWidget* parent, Prompter* prompter)
    : QDialog(parent), ui_(std::make_unique<Ui::CDialogPhotoOptions>()), prompter_(prompter) {
    using namespace settings;
    nCurrentJpegQuality = kDefaultJpegQuality;
    nRotateAngel = SettingsStore::GetInt(kOption, kRotateAngle, kDefaultRotateAngle);
    nFlipType = SettingsStore::GetInt(kOption, kFlipType, kDefaultFlipType);
    iComboPixelFormat = SettingsStore::GetInt(kOption, kPixelFormat, kDefaultPixelFormat);
    nOuputSizeType = SettingsStore::GetInt(kOption, kSizeType, kDefaultSizeType);
    nOuptputFormat = SettingsStore::GetInt(kOption, kOutputFormat, kDefaultOutputFormat);
    dStretchHorizontal = 1.0;
    dStretchVertical = 1.0;
    nKeepAspectRatio = kKeepNone;
    nOutputWidth = SettingsStore::GetInt(kOption, kOutputWidth, kDefaultOutputWidth);
    nOutputHeight = SettingsStore::GetInt(kOption, kOutputHeight, kDefaultOutputHeight);
    m_indexedPixelFormat = 0;
    m_pixelFormat = PixelFormatOf(kDefaultPixelFormat).constant;

    if (!prompter_) {
        ownPrompter_ = std::make_unique<QtPrompter>(this);
        prompter_ = ownPrompter_.get();
    }

    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int i = 0; i < kPixelFormatChoiceCount; ++i)
        ui_->comboPixelFormat->addItem(QString::fromLatin1(PixelFormatChoices()[i].entry));

    // The two detail pages share one place; give both labels one width so
    // that the fields line up whichever page shows.
    int labelWidth = std::max(ui_->labelPixelFormat->sizeHint().width(),
                              ui_->labelQuality->sizeHint().width());
    ui_->labelPixelFormat->setMinimumWidth(labelWidth);
    ui_->labelQuality->setMinimumWidth(labelWidth);
    // Room for the longest description at the dialog's width, so that the
    // dialog keeps its size whichever format and pixel format are chosen.
    int textWidth = ui_->groupOutputSize->sizeHint().width();
    int textHeight = 0;
    for (int i = 0; i < kPixelFormatChoiceCount; ++i) {
        QRect bounds = ui_->labelPixelFormatInfo->fontMetrics().boundingRect(
            QRect(0, 0, textWidth, 100000), Qt::TextWordWrap,
            FromUtf8(GetText(PixelFormatChoices()[i].descriptionId)));
        textHeight = std::max(textHeight, bounds.height());
    }
    ui_->labelPixelFormatInfo->setFixedHeight(textHeight);

    // Hiding the width or the height row must not shift the other one.
    for (QWidget* w : {static_cast<QWidget*>(ui_->labelOutputWidth), static_cast<QWidget*>(ui_->editOutputWidth),
                       static_cast<QWidget*>(ui_->labelOutputHeight), static_cast<QWidget*>(ui_->editOutputHeight)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    sizeGroup_ = new QButtonGroup(this);
    sizeGroup_->addButton(ui_->radioOriginalSize, kSizeOriginal);
    sizeGroup_->addButton(ui_->radioFixedSize, kSizeFixed);
    sizeGroup_->addButton(ui_->radioStretch, kSizeStretch);
    rotateGroup_ = new QButtonGroup(this);
    rotateGroup_->addButton(ui_->radioRotate0, 0);
    rotateGroup_->addButton(ui_->radioRotate90, 90);
    rotateGroup_->addButton(ui_->radioRotate180, 180);
    rotateGroup_->addButton(ui_->radioRotate270, 270);
    flipGroup_ = new QButtonGroup(this);
    flipGroup_->addButton(ui_->radioNoFlip, kFlipNone);
    flipGroup_->addButton(ui_->radioFlipHorizontal, kFlipHorizontal);
    flipGroup_->addButton(ui_->radioFlipVertical, kFlipVertical);

    // activated: only the user's choices, not the dialog's own selections.
    connect(ui_->comboOutputFormat, &QComboBox::activated, this, [this](int index) {
        nOuptputFormat = index;
        ShowFormatControls(nOuptputFormat);
    });
    connect(ui_->comboPixelFormat, &QComboBox::activated, this, [this] { UpdatePixelFormatInfo(); });
    connect(rotateGroup_, &QButtonGroup::idClicked, this, [this](int id) { nRotateAngel = id; });
    connect(flipGroup_, &QButtonGroup::idClicked, this, [this](int id) { nFlipType = id; });
    connect(sizeGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        nOuputSizeType = id;
        ShowSizeTypeControls(nOuputSizeType);
    });
    connect(ui_->checkKeepWidth, &QCheckBox::clicked, this, &CDialogPhotoOptions::OnKeepWidthClicked);
    connect(ui_->checkKeepHeight, &QCheckBox::clicked, this, &CDialogPhotoOptions::OnKeepHeightClicked);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &CDialogPhotoOptions::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &CDialogPhotoOptions::reject);
}

CDialogPhotoOptions::~CDialogPhotoOptions() = default;

void CDialogPhotoOptions::SetFormat(const OutputPhotoFormat& f) {
    nOuputSizeType = f.nOuputSizeType;
    nOutputWidth = f.nOutputWidth;
    nOutputHeight = f.nOutputHeight;
    nOuptputFormat = f.nOuptputFormat;
    iComboPixelFormat = f.iComboPixelFormat;
    nCurrentJpegQuality = f.nCurrentJpegQuality;
    nKeepAspectRatio = f.nKeepAspectRatio;
    dStretchHorizontal = f.dStretchHorizontal;
    dStretchVertical = f.dStretchVertical;
    nRotateAngel = f.nRotateAngel;
    nFlipType = f.nFlipType;
}

OutputPhotoFormat CDialogPhotoOptions::Format() const {
    OutputPhotoFormat f;
    f.nOuputSizeType = nOuputSizeType;
    f.nOutputWidth = nOutputWidth;
    f.nOutputHeight = nOutputHeight;
    f.nOuptputFormat = nOuptputFormat;
    f.iComboPixelFormat = iComboPixelFormat;
    f.nCurrentJpegQuality = nCurrentJpegQuality;
    f.nKeepAspectRatio = nKeepAspectRatio;
    f.dStretchHorizontal = dStretchHorizontal;
    f.dStretchVertical = dStretchVertical;
    f.nRotateAngel = nRotateAngel;
    f.nFlipType = nFlipType;
    return f;
}

void CDialogPhotoOptions::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialised_ = true;
        InitDialog();
    }
    QDialog::setVisible(visible);
}

void CDialogPhotoOptions::Tell(const std::string& text, const std::string& caption) {
    prompter_->Tell(text, caption, PromptIcon::Error);
}

void CDialogPhotoOptions::InitDialog() {
    WriteControls();
    // The last confirmed quality wins over the record's own.
    nCurrentJpegQuality =
        SettingsStore::GetInt(settings::kOption, settings::kJpegQuality, settings::kDefaultJpegQuality);

    if (QAbstractButton* radio = rotateGroup_->button(nRotateAngel); radio)
        radio->setChecked(true);
    else
        Tell(GetText(IDS_UNKNOWN_ROTATE_ANGLE), "Error");

    if (QAbstractButton* radio = flipGroup_->button(nFlipType))
        radio->setChecked(true);
    else
        Tell("Unknown flip type!", "Error");

    bool knownChoice = iComboPixelFormat >= 0 && iComboPixelFormat < ui_->comboPixelFormat->count();
    ui_->comboPixelFormat->setCurrentIndex(knownChoice ? iComboPixelFormat : -1);
    UpdatePixelFormatInfo();

    ShowSizeTypeControls(nOuputSizeType);
    ShowAspectControls();

    bool knownFormat = nOuptputFormat >= 0 && nOuptputFormat < ui_->comboOutputFormat->count();
    ui_->comboOutputFormat->setCurrentIndex(knownFormat ? nOuptputFormat : -1);
    ShowFormatControls(nOuptputFormat);

    WriteControls();
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

void CDialogPhotoOptions::WriteControls() {
    ui_->editQuality->setText(QString::number(nCurrentJpegQuality));
    ui_->editOutputWidth->setText(QString::number(nOutputWidth));
    ui_->editOutputHeight->setText(QString::number(nOutputHeight));
    ui_->editStretchHorizontal->setText(FromUtf8(FormatNumber(dStretchHorizontal)));
    ui_->editStretchVertical->setText(FromUtf8(FormatNumber(dStretchVertical)));
}

void CDialogPhotoOptions::Refuse(QLineEdit* edit, const std::string& message) {
    prompter_->Tell(message, kProductName, PromptIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

bool CDialogPhotoOptions::ReadInt(QLineEdit* edit, int32_t& value, bool ranged, int32_t min, int32_t max) {
    int32_t parsed = 0;
    if (!SettingsStore::ParseInt32(Trimmed(edit->text()), parsed)) {
        Refuse(edit, "Please enter an integer.");
        return false;
    }
    value = parsed;
    if (ranged && (value < min || value > max)) {
        Refuse(edit, "Please enter an integer between " + std::to_string(min) + " and " +
                         std::to_string(max) + ".");
        return false;
    }
    return true;
}

bool CDialogPhotoOptions::ReadDouble(QLineEdit* edit, double& value, double min, double max) {
    double parsed = 0;
    if (!ParseNumber(Trimmed(edit->text()), parsed)) {
        Refuse(edit, "Please enter a number.");
        return false;
    }
    value = parsed;
    if (value < min || value > max) {
        Refuse(edit, "Please enter a number between " + FormatNumber(min) + " and " +
                         FormatNumber(max) + ".");
        return false;
    }
    return true;
}

// Every edit takes part, hidden and disabled ones too; reading stops at the
// first field that fails.
bool CDialogPhotoOptions::ReadControls() {
    return ReadInt(ui_->editQuality, nCurrentJpegQuality, true, kMinQuality, kMaxQuality) &&
           ReadInt(ui_->editOutputWidth, nOutputWidth, false, 0, 0) &&
           ReadInt(ui_->editOutputHeight, nOutputHeight, false, 0, 0) &&
           ReadDouble(ui_->editStretchHorizontal, dStretchHorizontal, kMinStretch, kMaxStretch) &&
           ReadDouble(ui_->editStretchVertical, dStretchVertical, kMinStretch, kMaxStretch);
}

void CDialogPhotoOptions::accept() {
    if (!ReadControls())
        return;
    nOuptputFormat = ui_->comboOutputFormat->currentIndex();
    SettingsStore::WriteInt(settings::kOption, settings::kOutputFormat, nOuptputFormat);
    SettingsStore::WriteInt(settings::kOption, settings::kJpegQuality, nCurrentJpegQuality);
    iComboPixelFormat = ui_->comboPixelFormat->currentIndex();
    SettingsStore::WriteInt(settings::kOption, settings::kPixelFormat, iComboPixelFormat);
    QDialog::accept();
}

void CDialogPhotoOptions::UpdatePixelFormatInfo() {
    const PixelFormatChoice& choice = PixelFormatOf(ui_->comboPixelFormat->currentIndex());
    m_pixelFormat = choice.constant;
    ui_->labelPixelFormatInfo->setText(FromUtf8(GetText(choice.descriptionId)));
    m_indexedPixelFormat = choice.indexedBits != 0 ? m_pixelFormat : 0;
}

void CDialogPhotoOptions::ShowFormatControls(int32_t format) {
    if (format < 0 || format >= kFormatCount) {
        Tell("unknown error", "error");
        return;
    }
    int page = format == kFormatBmp ? kPagePixelFormat : format == kFormatJpg ? kPageQuality : kPageNone;
    ui_->stackFormatDetails->setCurrentIndex(page);
}

void CDialogPhotoOptions::ShowSizeTypeControls(int32_t type) {
    QAbstractButton* radio = sizeGroup_->button(type);
    if (!radio) {
        Tell("Unknown nOuputSizeType type!", "Error");
        return;
    }
    radio->setChecked(true);
    bool fixed = type == kSizeFixed;
    bool stretch = type == kSizeStretch;
    for (QWidget* w : {static_cast<QWidget*>(ui_->editOutputWidth), static_cast<QWidget*>(ui_->editOutputHeight),
                       static_cast<QWidget*>(ui_->checkKeepWidth), static_cast<QWidget*>(ui_->checkKeepHeight)})
        w->setEnabled(fixed);
    for (QWidget* w : {static_cast<QWidget*>(ui_->editStretchHorizontal), static_cast<QWidget*>(ui_->labelHorizontal),
                       static_cast<QWidget*>(ui_->labelVertical), static_cast<QWidget*>(ui_->editStretchVertical)})
        w->setEnabled(stretch);
}

void CDialogPhotoOptions::ShowAspectControls() {
    if (nKeepAspectRatio < kKeepNone || nKeepAspectRatio > kKeepHeight) {
        Tell("Unknown nKeepAspectRatio type!", "Error");
        return;
    }
    bool showWidth = nKeepAspectRatio != kKeepHeight;
    bool showHeight = nKeepAspectRatio != kKeepWidth;
    ui_->checkKeepWidth->setChecked(nKeepAspectRatio == kKeepWidth);
    ui_->checkKeepHeight->setChecked(nKeepAspectRatio == kKeepHeight);
    ui_->labelOutputWidth->setVisible(showWidth);
    ui_->editOutputWidth->setVisible(showWidth);
    ui_->labelOutputHeight->setVisible(showHeight);
    ui_->editOutputHeight->setVisible(showHeight);
}

void CDialogPhotoOptions::OnKeepWidthClicked(bool checked) {
    nKeepAspectRatio = checked ? kKeepWidth : kKeepNone;
    ui_->labelOutputWidth->setVisible(true);
    ui_->editOutputWidth->setVisible(true);
    ui_->labelOutputHeight->setVisible(!checked);
    ui_->editOutputHeight->setVisible(!checked);
    ui_->checkKeepHeight->setChecked(false);
}

void CDialogPhotoOptions::OnKeepHeightClicked(bool checked) {
    nKeepAspectRatio = checked ? kKeepHeight : kKeepNone;
    ui_->labelOutputWidth->setVisible(!checked);
    ui_->editOutputWidth->setVisible(!checked);
    ui_->labelOutputHeight->setVisible(true);
    ui_->editOutputHeight->setVisible(true);
    ui_->checkKeepWidth->setChecked(false);
}
