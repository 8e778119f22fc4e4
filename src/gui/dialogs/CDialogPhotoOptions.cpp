#include "dialogs/CDialogPhotoOptions.h"

#include <QButtonGroup>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "dialogs/ChoiceList.h"
#include "dialogs/FileSizeLimitRow.h"
#include "dialogs/FilledText.h"
#include "dialogs/FrameControls.h"
#include "dialogs/QtPrompter.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"
#include "platform/ProductInfo.h"
#include "platform/SettingsStore.h"
#include "settings/StoredValues.h"
#include "texts/LanguagePack.h"
#include "ui_CDialogPhotoOptions.h"

namespace {

enum DetailsPage { kPagePixelFormat = 0, kPageQuality = 1, kPageNone = 2 };

// The controls each size-rule input enables.
struct InputControls {
    SizeInput input;
    std::vector<const char*> widgets;
};
const std::vector<InputControls>& SizeInputControls() {
    static const std::vector<InputControls> controls = {
        {kUsesWidthHeight, {"editOutputWidth", "editOutputHeight"}},
        {kUsesKeepAspect, {"checkKeepWidth", "checkKeepHeight"}},
        {kUsesStretch,
         {"editStretchHorizontal", "labelHorizontal", "labelVertical", "editStretchVertical"}},
        {kUsesLongEdge, {"editLongEdge"}},
        {kUsesNoEnlarge, {"checkNoEnlarge"}},
    };
    return controls;
}

// Shortest of fixed and exponent notation with 15 significant digits, in the
// C locale whatever the user's locale ("%.15g").
std::string FormatNumber(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string Trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

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

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CDialogPhotoOptions::CDialogPhotoOptions(QWidget* parent, Prompter* prompter)
    : QDialog(parent), ui_(std::make_unique<Ui::CDialogPhotoOptions>()), prompter_(prompter) {
    if (!prompter_) {
        ownPrompter_ = std::make_unique<QtPrompter>(this);
        prompter_ = ownPrompter_.get();
    }

    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildChoices();
    fileSizeRow_ = new FileSizeLimitRow(ui_->groupFormatDetails, ui_->formatDetailsColumn);
    frame_ = new FrameControls(ui_->editOutputWidth, ui_->editOutputHeight, this);
    palette_ = new QComboBox(ui_->pagePixelFormat);
    palette_->setObjectName(QStringLiteral("comboPalette"));
    FillChoices(palette_, PaletteChoices(), [](const NamedChoice& row) { return row.text; });
    for (int i = 0; i < palette_->count(); ++i)
        palette_->setItemData(i, TableText(PaletteChoices()[i].helpNote), Qt::ToolTipRole);
    auto* paletteLabel = new QLabel(tr("Colours:"), ui_->pagePixelFormat);
    paletteLabel->setBuddy(palette_);
    ui_->pixelFormatGrid->addWidget(paletteLabel, 2, 0);
    ui_->pixelFormatGrid->addWidget(palette_, 2, 1);
    ui_->dialogLayout->insertWidget(ui_->dialogLayout->indexOf(ui_->groupOutputSize) + 1, frame_);
    FitScreen();

    // The two detail pages share one place; give both labels one width so
    // that the fields line up whichever page shows.
    int labelWidth =
        std::max(ui_->labelPixelFormat->sizeHint().width(), ui_->labelQuality->sizeHint().width());
    ui_->labelPixelFormat->setMinimumWidth(labelWidth);
    ui_->labelQuality->setMinimumWidth(labelWidth);
    // Room for the longest description at the dialog's width, so that the
    // dialog keeps its size whichever format and pixel format are chosen.
    int textWidth = ui_->groupOutputSize->sizeHint().width();
    int textHeight = 0;
    for (const PixelFormatChoice& choice : PixelFormatChoices()) {
        QRect bounds = ui_->labelPixelFormatInfo->fontMetrics().boundingRect(
            QRect(0, 0, textWidth, 100000), Qt::TextWordWrap,
            FromUtf8(GetText(choice.descriptionId)));
        textHeight = std::max(textHeight, bounds.height());
    }
    ui_->labelPixelFormatInfo->setFixedHeight(textHeight);

    // Hiding the width or the height row must not shift the other one.
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->labelOutputWidth), static_cast<QWidget*>(ui_->editOutputWidth),
          static_cast<QWidget*>(ui_->labelOutputHeight),
          static_cast<QWidget*>(ui_->editOutputHeight)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    // activated: only the user's choices, not the dialog's own selections.
    connect(ui_->comboOutputFormat, &QComboBox::activated, this, [this] {
        m_format.nOuptputFormat = ChosenId(ui_->comboOutputFormat, kNoListEntry);
        ShowFormatControls(m_format.nOuptputFormat);
    });
    connect(ui_->comboPixelFormat, &QComboBox::activated, this,
            [this] { UpdatePixelFormatInfo(); });
    connect(rotateGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { m_format.nRotateAngel = id; });
    connect(flipGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { m_format.nFlipType = id; });
    connect(sizeGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        m_format.nOuputSizeType = id;
        ShowSizeTypeControls(m_format.nOuputSizeType);
    });
    connect(ui_->checkLossless, &QCheckBox::clicked, this,
            [this] { ShowFormatControls(m_format.nOuptputFormat); });
    connect(ui_->checkKeepWidth, &QCheckBox::clicked, this,
            &CDialogPhotoOptions::OnKeepWidthClicked);
    connect(ui_->checkKeepHeight, &QCheckBox::clicked, this,
            &CDialogPhotoOptions::OnKeepHeightClicked);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &CDialogPhotoOptions::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &CDialogPhotoOptions::reject);
}

CDialogPhotoOptions::~CDialogPhotoOptions() = default;

namespace {

QString DifferentText() {
    return CDialogPhotoOptions::tr("(different)");
}

// The combos and radio groups that show a field.
struct ListField {
    FormatField field;
    QComboBox* Ui::CDialogPhotoOptions::*combo;
};
constexpr ListField kListFields[] = {
    {FormatField::Format, &Ui::CDialogPhotoOptions::comboOutputFormat},
    {FormatField::PixelFormat, &Ui::CDialogPhotoOptions::comboPixelFormat},
    {FormatField::Metadata, &Ui::CDialogPhotoOptions::comboMetadata},
    {FormatField::RawDevelop, &Ui::CDialogPhotoOptions::comboRawDevelop},
};
struct CheckField {
    FormatField field;
    QCheckBox* Ui::CDialogPhotoOptions::*check;
};
constexpr CheckField kCheckFields[] = {
    {FormatField::NoEnlarge, &Ui::CDialogPhotoOptions::checkNoEnlarge},
    {FormatField::Lossless, &Ui::CDialogPhotoOptions::checkLossless},
    {FormatField::KeepAspect, &Ui::CDialogPhotoOptions::checkKeepWidth},
    {FormatField::KeepAspect, &Ui::CDialogPhotoOptions::checkKeepHeight},
};

}  // namespace

void CDialogPhotoOptions::SetSelection(const std::vector<OutputPhotoFormat>& formats) {
    m_format = formats.empty() ? OutputPhotoFormat{} : formats.front();
    first_ = m_format;
    differing_ = DifferingFields(formats);
    kept_.reset();
    if (formats.size() > 1)
        setWindowTitle(tr("Settings for %n photos", nullptr, static_cast<int>(formats.size())));
}

QLineEdit* CDialogPhotoOptions::EditOf(FormatField field) const {
    switch (field) {
        case FormatField::Quality: return ui_->editQuality;
        case FormatField::Width: return ui_->editOutputWidth;
        case FormatField::Height: return ui_->editOutputHeight;
        case FormatField::StretchHorizontal: return ui_->editStretchHorizontal;
        case FormatField::StretchVertical: return ui_->editStretchVertical;
        case FormatField::LongEdge: return ui_->editLongEdge;
        default: return nullptr;
    }
}

void CDialogPhotoOptions::ShowDiffering() {
    for (std::size_t f = 0; f < differing_.size(); ++f) {
        const auto field = static_cast<FormatField>(f);
        if (!Differs(field))
            continue;
        if (QLineEdit* edit = EditOf(field)) {
            edit->clear();
            edit->setPlaceholderText(DifferentText());
        }
    }
    // The entry keeps the first photo's id, so that the controls it decides
    // on show as for that photo.
    for (const ListField& list : kListFields)
        if (Differs(list.field)) {
            QComboBox* combo = (*ui_).*list.combo;
            combo->insertItem(0, DifferentText(), combo->currentData());
            combo->setCurrentIndex(0);
        }
    for (const CheckField& box : kCheckFields)
        if (Differs(box.field)) {
            QCheckBox* check = (*ui_).*box.check;
            check->setTristate(true);
            check->setCheckState(Qt::PartiallyChecked);
            // A click decides: ticked or not, never back to "different".
            connect(check, &QCheckBox::clicked, this, [this, field = box.field] {
                for (const CheckField& same : kCheckFields)
                    if (same.field == field)
                        ((*ui_).*same.check)->setTristate(false);
            });
        }
    const std::pair<FormatField, QButtonGroup*> groups[] = {
        {FormatField::SizeType, sizeGroup_},
        {FormatField::Rotate, rotateGroup_},
        {FormatField::Flip, flipGroup_},
    };
    for (const auto& [field, group] : groups)
        if (Differs(field) && group->checkedButton()) {
            group->setExclusive(false);
            group->checkedButton()->setChecked(false);
            group->setExclusive(true);
        }
}

FieldSet CDialogPhotoOptions::StillDiffering() const {
    FieldSet still;
    for (std::size_t f = 0; f < differing_.size(); ++f) {
        const auto field = static_cast<FormatField>(f);
        if (Differs(field))
            still[f] = SameField(field, m_format, first_);
    }
    for (std::size_t f = 0; f < differing_.size(); ++f)
        if (QLineEdit* edit = EditOf(static_cast<FormatField>(f)); edit && differing_[f])
            still[f] = edit->text().trimmed().isEmpty();
    for (const ListField& list : kListFields)
        if (Differs(list.field))
            At(still, list.field) = ((*ui_).*list.combo)->currentIndex() == 0;
    for (const CheckField& box : kCheckFields)
        if (Differs(box.field))
            At(still, box.field) = ((*ui_).*box.check)->checkState() == Qt::PartiallyChecked;
    const std::pair<FormatField, QButtonGroup*> groups[] = {
        {FormatField::SizeType, sizeGroup_},
        {FormatField::Rotate, rotateGroup_},
        {FormatField::Flip, flipGroup_},
    };
    for (const auto& [field, group] : groups)
        if (Differs(field))
            At(still, field) = group->checkedId() == -1;
    return still;
}

// The lists and radio groups as the option tables describe them. A size rule
// whose radio the form lacks gets one below the others.
void CDialogPhotoOptions::BuildChoices() {
    FillChoices(ui_->comboOutputFormat, OutputFormats(),
                [](const auto& row) { return row.listText; });
    FillChoices(ui_->comboPixelFormat, PixelFormatChoices(),
                [](const auto& row) { return row.entry; });
    FillNamedChoices(ui_->comboMetadata, MetadataChoices());
    FillChoices(ui_->comboRawDevelop, RawDevelopChoices(), [](const auto& row) { return row.text; });
    for (int i = 0; i < ui_->comboRawDevelop->count(); ++i)
        ui_->comboRawDevelop->setItemData(i, TableText(RawDevelopChoices()[i].helpNote),
                                          Qt::ToolTipRole);

    auto groupOf = [this](const std::vector<NamedChoice>& rows) {
        auto* group = new QButtonGroup(this);
        for (const NamedChoice& row : rows) {
            auto* button = findChild<QAbstractButton*>(QLatin1String(row.widget));
            if (row.text)
                button->setText(TableText(row.text));
            group->addButton(button, row.id);
        }
        return group;
    };
    rotateGroup_ = groupOf(RotationChoices());
    flipGroup_ = groupOf(FlipChoices());

    sizeGroup_ = new QButtonGroup(this);
    for (const SizeRuleRow& row : SizeRules()) {
        auto* radio = findChild<QRadioButton*>(QLatin1String(row.radioName));
        if (!radio) {
            radio = new QRadioButton(TableText(row.radioText), ui_->groupOutputSize);
            radio->setObjectName(QLatin1String(row.radioName));
            // Every rule that reads the width and height sits above their fields.
            ui_->frameRulesColumn->addWidget(radio);
        }
        sizeGroup_->addButton(radio, row.id);
    }
}

void CDialogPhotoOptions::FitScreen() {
    // The settings scroll in a small window or on a small screen; OK and
    // Cancel stay below them, always in sight.
    ui_->dialogLayout->removeWidget(ui_->buttonBox);
    ui_->dialogLayout->setSizeConstraint(QLayout::SetMinimumSize);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("settingsContent"));
    content->setLayout(ui_->dialogLayout);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("settingsScroll"));
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll_, 1);
    outer->addWidget(ui_->buttonBox);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutBottomMargin);
    outer->setContentsMargins(0, 0, margin, margin);
    ui_->buttonBox->setContentsMargins(margin, 0, 0, 0);
}

void CDialogPhotoOptions::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialised_ = true;
        InitDialog();
        // As large as the settings need, but never larger than the screen.
        QWidget* content = scroll_->widget();
        // Room for the vertical scroll bar too, so that no sideways one is needed.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                        2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QMargins margins = layout()->contentsMargins();
        const QSize want = content->sizeHint() +
                           QSize(bar + margins.left() + margins.right(),
                                 ui_->buttonBox->sizeHint().height() + layout()->spacing() +
                                     margins.top() + margins.bottom());
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
        const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : want;
        setMinimumSize(QSize(content->minimumSizeHint().width() / 2, 240).boundedTo(room));
        resize(want.boundedTo(room));
    }
    QDialog::setVisible(visible);
}

void CDialogPhotoOptions::Tell(const std::string& text, const std::string& caption) {
    prompter_->Tell(text, caption, PromptIcon::Error);
}

void CDialogPhotoOptions::InitDialog() {
    WriteControls();
    // The last confirmed quality wins over the record's own; a stored one
    // outside its range is told and not used.
    const NumberSetting& quality = numbers::kQuality;
    const Result<int32_t> stored =
        ReadStoredNumber(settings::kOption, quality, quality.WholeBuiltIn());
    if (!Differs(FormatField::Quality))
        m_format.nCurrentJpegQuality = stored ? stored.Value() : quality.WholeBuiltIn();
    first_.nCurrentJpegQuality = m_format.nCurrentJpegQuality;
    if (!stored)
        prompter_->Tell(RefusedStoredText(stored.GetStatus(), m_format.nCurrentJpegQuality),
                        tr("Warning").toStdString(), PromptIcon::Exclamation,
                        SettingsStore::Location());

    if (QAbstractButton* radio = rotateGroup_->button(m_format.nRotateAngel))
        radio->setChecked(true);
    else
        Tell(GetText(IDS_UNKNOWN_ROTATE_ANGLE), tr("Error").toStdString());

    if (QAbstractButton* radio = flipGroup_->button(m_format.nFlipType))
        radio->setChecked(true);
    else
        Tell(tr("Unknown flip type!").toStdString(), tr("Error").toStdString());

    SelectChoice(ui_->comboPixelFormat, m_format.iComboPixelFormat);
    SelectChoice(palette_, m_format.nPalette);
    UpdatePixelFormatInfo();

    frame_->Show(m_format);
    ShowSizeTypeControls(m_format.nOuputSizeType);
    ShowAspectControls();

    ui_->checkNoEnlarge->setChecked(m_format.bNoEnlarge);
    ui_->checkLossless->setChecked(m_format.bLossless);
    SelectChoice(ui_->comboMetadata, m_format.nMetadata);
    SelectChoice(ui_->comboRawDevelop, m_format.nRawDevelop);
    fileSizeRow_->Load(m_format);

    SelectChoice(ui_->comboOutputFormat, m_format.nOuptputFormat);
    ShowFormatControls(m_format.nOuptputFormat);

    WriteControls();
    ShowDiffering();
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

void CDialogPhotoOptions::WriteControls() {
    ui_->editQuality->setText(QString::number(m_format.nCurrentJpegQuality));
    ui_->editOutputWidth->setText(QString::number(m_format.nOutputWidth));
    ui_->editOutputHeight->setText(QString::number(m_format.nOutputHeight));
    ui_->editStretchHorizontal->setText(FromUtf8(FormatNumber(m_format.dStretchHorizontal)));
    ui_->editStretchVertical->setText(FromUtf8(FormatNumber(m_format.dStretchVertical)));
    ui_->editLongEdge->setText(QString::number(m_format.nLongEdge));
}

void CDialogPhotoOptions::Refuse(QLineEdit* edit, const std::string& message) {
    prompter_->Tell(message, kProductName, PromptIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

bool CDialogPhotoOptions::ReadInt(QLineEdit* edit, int32_t& value, const NumberSetting& row) {
    // Left empty where the photos differ: each keeps its own.
    if (!edit->placeholderText().isEmpty() && edit->text().trimmed().isEmpty())
        return true;
    int32_t parsed = 0;
    if (!SettingsStore::ParseInt32(Trimmed(edit->text()), parsed)) {
        Refuse(edit, tr("Please enter an integer.").toStdString());
        return false;
    }
    value = parsed;
    if (!CheckNumber(row, value)) {
        Refuse(edit, Filled(tr("Please enter an integer between %1 and %2."),
                            {NumberText(row.min), NumberText(row.max)}));
        return false;
    }
    return true;
}

bool CDialogPhotoOptions::ReadDouble(QLineEdit* edit, double& value, const NumberSetting& row) {
    if (!edit->placeholderText().isEmpty() && edit->text().trimmed().isEmpty())
        return true;
    double parsed = 0;
    if (!ParseNumber(Trimmed(edit->text()), parsed)) {
        Refuse(edit, tr("Please enter a number.").toStdString());
        return false;
    }
    value = parsed;
    if (!CheckNumber(row, value)) {
        Refuse(edit, Filled(tr("Please enter a number between %1 and %2."),
                            {FormatNumber(row.min), FormatNumber(row.max)}));
        return false;
    }
    return true;
}

// Every edit takes part, hidden and disabled ones too; reading stops at the
// first field that fails.
bool CDialogPhotoOptions::ReadControls() {
    namespace n = numbers;
    OutputPhotoFormat& f = m_format;
    return ReadInt(ui_->editQuality, f.nCurrentJpegQuality, n::kQuality) &&
           ReadInt(ui_->editOutputWidth, f.nOutputWidth, n::kOutputWidth) &&
           ReadInt(ui_->editOutputHeight, f.nOutputHeight, n::kOutputHeight) &&
           ReadDouble(ui_->editStretchHorizontal, f.dStretchHorizontal, n::kStretchHorizontal) &&
           ReadDouble(ui_->editStretchVertical, f.dStretchVertical, n::kStretchVertical) &&
           ReadInt(ui_->editLongEdge, f.nLongEdge, n::kLongEdge);
}

void CDialogPhotoOptions::accept() {
    if (!ReadControls())
        return;
    QLineEdit* refused = nullptr;
    std::string refusal;
    if (!fileSizeRow_->Read(m_format, refused, refusal)) {
        Refuse(refused, refusal);
        return;
    }
    m_format.nOuptputFormat = ChosenId(ui_->comboOutputFormat, kNoListEntry);
    m_format.iComboPixelFormat = ChosenId(ui_->comboPixelFormat, kNoListEntry);
    m_format.bNoEnlarge = ui_->checkNoEnlarge->isChecked();
    m_format.bLossless = ui_->checkLossless->isChecked();
    // A value the list lacks stays as it came.
    m_format.nMetadata = ChosenId(ui_->comboMetadata, m_format.nMetadata);
    m_format.nRawDevelop = ChosenId(ui_->comboRawDevelop, m_format.nRawDevelop);
    m_format.nPalette = ChosenId(palette_, m_format.nPalette);
    frame_->Read(m_format);
    kept_ = StillDiffering();
    // What was chosen is remembered; a field left different chose nothing.
    const std::pair<FormatField, Status (*)(const OutputPhotoFormat&)> remembered[] = {
        {FormatField::Format,
         [](const OutputPhotoFormat& f) {
             return SettingsStore::WriteInt(settings::kOption, settings::kOutputFormat,
                                            f.nOuptputFormat);
         }},
        {FormatField::Quality,
         [](const OutputPhotoFormat& f) {
             return SettingsStore::WriteInt(settings::kOption, settings::kJpegQuality,
                                            f.nCurrentJpegQuality);
         }},
        {FormatField::PixelFormat,
         [](const OutputPhotoFormat& f) {
             return SettingsStore::WriteInt(settings::kOption, settings::kPixelFormat,
                                            f.iComboPixelFormat);
         }},
    };
    for (const auto& [field, write] : remembered)
        if (!At(kept_, field))
            SettingsStore::TellUnsaved(write(m_format), *prompter_);
    QDialog::accept();
}

void CDialogPhotoOptions::UpdatePixelFormatInfo() {
    const PixelFormatChoice& choice = PixelFormatOf(ChosenId(ui_->comboPixelFormat, kNoListEntry));
    ui_->labelPixelFormatInfo->setText(FromUtf8(GetText(choice.descriptionId)));
    // Only 16 and 256 colours have a table of their own to choose.
    const bool hasPalette = choice.indexedBits == 4 || choice.indexedBits == 8;
    palette_->setEnabled(hasPalette);
    ui_->pixelFormatGrid->itemAtPosition(2, 0)->widget()->setEnabled(hasPalette);
}

void CDialogPhotoOptions::ShowFormatControls(int32_t format) {
    const OutputFormatRow* row = FindOutputFormat(format);
    // The reserved "nothing to set" shows neither group; any other value no
    // row has is reported.
    if (!row && format != kFormatNothingToSet) {
        Tell(tr("unknown error").toStdString(), tr("error").toStdString());
        return;
    }
    const unsigned settings = row ? row->settings : 0;
    const int page = (settings & kUsesPixelFormat) ? kPagePixelFormat
                     : (settings & kUsesQuality)   ? kPageQuality
                                                   : kPageNone;
    ui_->stackFormatDetails->setCurrentIndex(page);
    const bool lossless = (settings & kUsesLossless) != 0;
    ui_->checkLossless->setVisible(lossless);
    ui_->editQuality->setEnabled(!(lossless && ui_->checkLossless->isChecked()));
    ui_->labelMetadata->setEnabled((settings & kUsesMetadata) != 0);
    fileSizeRow_->ShowFor(settings, ui_->checkLossless->isChecked(), format);
    ui_->comboMetadata->setEnabled((settings & kUsesMetadata) != 0);
}

void CDialogPhotoOptions::ShowSizeTypeControls(int32_t type) {
    const SizeRuleRow* rule = FindSizeRule(type);
    if (!rule) {
        Tell(tr("Unknown nOuputSizeType type!").toStdString(), tr("Error").toStdString());
        return;
    }
    sizeGroup_->button(type)->setChecked(true);
    for (const InputControls& controls : SizeInputControls())
        for (const char* name : controls.widgets)
            findChild<QWidget*>(QLatin1String(name))
                ->setEnabled((rule->inputs & controls.input) != 0);
    frame_->EnableFor(rule->inputs);
    // A rule that keeps no aspect ratio shows both boxes clear, not greyed
    // ticks it ignores; the record keeps the choice for the rules that read it.
    const bool keeps = (rule->inputs & kUsesKeepAspect) != 0;
    if (ui_->checkKeepWidth->checkState() != Qt::PartiallyChecked) {
        ui_->checkKeepWidth->setChecked(keeps && m_format.nKeepAspectRatio == kKeepWidth);
        ui_->checkKeepHeight->setChecked(keeps && m_format.nKeepAspectRatio == kKeepHeight);
    }
    ShowSizeRows();
}

void CDialogPhotoOptions::ShowAspectControls() {
    const int32_t rule = m_format.nKeepAspectRatio;
    if (!FindRow(KeepAspectChoices(), rule)) {
        Tell(tr("Unknown nKeepAspectRatio type!").toStdString(), tr("Error").toStdString());
        return;
    }
    const SizeRuleRow* sizeRule = FindSizeRule(m_format.nOuputSizeType);
    const bool keeps = !sizeRule || (sizeRule->inputs & kUsesKeepAspect) != 0;
    ui_->checkKeepWidth->setChecked(keeps && rule == kKeepWidth);
    ui_->checkKeepHeight->setChecked(keeps && rule == kKeepHeight);
    ShowSizeRows();
}

void CDialogPhotoOptions::ShowSizeRows() {
    // A rule that reads width and height but no aspect rule needs both rows
    // whatever the aspect rule; for every other rule the aspect rule decides.
    const SizeRuleRow* sizeRule = FindSizeRule(m_format.nOuputSizeType);
    const bool bothRows =
        sizeRule && (sizeRule->inputs & kUsesWidthHeight) && !(sizeRule->inputs & kUsesKeepAspect);
    const int32_t rule = m_format.nKeepAspectRatio;
    const bool showWidth = bothRows || rule != kKeepHeight;
    const bool showHeight = bothRows || rule != kKeepWidth;
    ui_->labelOutputWidth->setVisible(showWidth);
    ui_->editOutputWidth->setVisible(showWidth);
    ui_->labelOutputHeight->setVisible(showHeight);
    ui_->editOutputHeight->setVisible(showHeight);
}

void CDialogPhotoOptions::OnKeepWidthClicked(bool checked) {
    m_format.nKeepAspectRatio = checked ? kKeepWidth : kKeepNone;
    ui_->checkKeepHeight->setChecked(false);
    ShowSizeRows();
}

void CDialogPhotoOptions::OnKeepHeightClicked(bool checked) {
    m_format.nKeepAspectRatio = checked ? kKeepHeight : kKeepNone;
    ui_->checkKeepWidth->setChecked(false);
    ShowSizeRows();
}
