#include "window/WatermarkPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "dialogs/ChoiceList.h"
#include "imaging/WatermarkImage.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "platform/Prompter.h"

namespace {

template <class Spin>
Spin* SpinFor(const NumberSetting& row, const QString& suffix, QWidget* parent) {
    auto* spin = new Spin(parent);
    spin->setRange(row.min, row.max);
    spin->setValue(row.builtIn);
    spin->setSuffix(suffix);
    return spin;
}

}  // namespace

WatermarkPanel::WatermarkPanel(Prompter& prompter, QWidget* parent)
    : QWidget(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("watermarkPanel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("&Watermark:"), this);
    row->addWidget(label);
    file_ = new QLineEdit(this);
    label->setBuddy(file_);
    file_->setObjectName(QStringLiteral("watermarkFileEdit"));
    file_->setPlaceholderText(tr("No picture: type a path or choose a logo"));
    file_->setClearButtonEnabled(true);
    row->addWidget(file_, 1);
    choose_ = new QPushButton(tr("Lo&go..."), this);
    choose_->setObjectName(QStringLiteral("watermarkChooseButton"));
    row->addWidget(choose_);
    anchor_ = new QComboBox(this);
    anchor_->setObjectName(QStringLiteral("watermarkAnchorCombo"));
    FillChoices(anchor_, TextAnchors(), [](const auto& r) { return r.listText; });
    row->addWidget(anchor_);
    label = new QLabel(tr("Si&ze:"), this);
    row->addWidget(label);
    size_ = SpinFor<QDoubleSpinBox>(numbers::kWatermarkSizePercent, QStringLiteral(" %"), this);
    label->setBuddy(size_);
    size_->setObjectName(QStringLiteral("watermarkSizeSpin"));
    row->addWidget(size_);
    label = new QLabel(tr("O&pacity:"), this);
    row->addWidget(label);
    opacity_ = SpinFor<QSpinBox>(numbers::kWatermarkOpacity, QStringLiteral(" %"), this);
    label->setBuddy(opacity_);
    opacity_->setObjectName(QStringLiteral("watermarkOpacitySpin"));
    row->addWidget(opacity_);
    label = new QLabel(tr("Margi&n:"), this);
    row->addWidget(label);
    margin_ = SpinFor<QDoubleSpinBox>(numbers::kWatermarkMargin, QStringLiteral(" %"), this);
    label->setBuddy(margin_);
    margin_->setObjectName(QStringLiteral("watermarkMarginSpin"));
    row->addWidget(margin_);
    SelectChoice(anchor_, watermark_.anchor);

    // Enter in the window is not its.
    choose_->setAutoDefault(false);
    connect(choose_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Watermark"), file_->text(),
            tr("Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)"));
        if (!path.isEmpty())
            Choose(path.toStdString());
    });
    // A path typed, pasted or cleared counts when the edit is left.
    connect(file_, &QLineEdit::editingFinished, this, [this] {
        const std::string typed = file_->text().toStdString();
        if (typed != watermark_.path && !Choose(typed))
            file_->setText(QString::fromStdString(watermark_.path));
    });
    connect(anchor_, &QComboBox::currentIndexChanged, this, &WatermarkPanel::Changed);
    connect(size_, &QDoubleSpinBox::valueChanged, this, &WatermarkPanel::Changed);
    connect(opacity_, &QSpinBox::valueChanged, this, &WatermarkPanel::Changed);
    connect(margin_, &QDoubleSpinBox::valueChanged, this, &WatermarkPanel::Changed);
}

ImageWatermark WatermarkPanel::Watermark() const {
    ImageWatermark watermark = watermark_;
    watermark.anchor = ChosenId(anchor_, watermark.anchor);
    watermark.sizePercent = size_->value();
    watermark.opacity = opacity_->value();
    watermark.marginPercent = margin_->value();
    return watermark;
}

bool WatermarkPanel::Choose(const std::string& path) {
    std::shared_ptr<const WatermarkLogo> logo;
    if (!path.empty()) {
        auto read = LoadWatermarkLogo(path);
        if (!read) {
            prompter_.Tell(tr("The watermark could not be read.").toStdString(), path,
                           PromptIcon::Exclamation,
                           read.GetStatus().Reason());
            return false;
        }
        logo = read.Value();
    }
    watermark_.path = path;
    watermark_.logo = std::move(logo);
    file_->setText(QString::fromStdString(path));
    emit Changed();
    return true;
}

void WatermarkPanel::Apply(const ImageWatermark& watermark) {
    watermark_ = watermark;
    watermark_.logo.reset();
    if (!watermark.path.empty())
        if (auto read = LoadWatermarkLogo(watermark.path))
            watermark_.logo = read.Value();
    file_->setText(QString::fromStdString(watermark.path));
    SelectChoice(anchor_, TextAnchorOf(watermark.anchor).id);
    size_->setValue(watermark.sizePercent);
    opacity_->setValue(watermark.opacity);
    margin_->setValue(watermark.marginPercent);
    emit Changed();
}
