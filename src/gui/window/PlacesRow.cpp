#include "window/PlacesRow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

#include "platform/Paths.h"
#include "settings/PresetStore.h"

namespace {

// A label whose text is cut in the middle ("e.g. IMG_1…2026.jpg") when the
// row has no room for it: a long template's example, or a language's
// longer words, never make the window wider than the screen.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) * 6,
                QLabel::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()),
                              foregroundRole());
    }
};

}  // namespace

PlacesRow::PlacesRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* templateLabel = new QLabel(tr("Name tem&plate:"), this);
    template_ = new QLineEdit(this);
    template_->setObjectName("nameTemplateEdit");
    template_->setPlaceholderText(tr("prefix naming"));
    template_->setToolTip(
        tr("Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} "
           "{taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}"));
    templateLabel->setBuddy(template_);
    example_ = new ElidedLabel(this);
    example_->setObjectName("nameExampleLabel");
    place_ = new QComboBox(this);
    place_->setObjectName("outputPlaceCombo");
    place_->setAccessibleName(tr("Where the outputs go"));
    place_->addItem(tr("New time-stamped folder"));
    place_->addItem(tr("Into the output folder"));
    place_->addItem(tr("Next to each photo, in:"));
    beside_ = new QLineEdit(QStringLiteral("web"), this);
    beside_->setObjectName("besideFolderEdit");
    beside_->setAccessibleName(tr("Folder next to each photo"));
    beside_->setMaximumWidth(90);
    outputs_ = new QToolButton(this);
    outputs_->setObjectName("outputPresetsButton");
    outputs_->setPopupMode(QToolButton::InstantPopup);
    presetMenu_ = new QMenu(outputs_);
    outputs_->setMenu(presetMenu_);
    outputs_->setToolTip(
        tr("The file dates, and the presets whose outputs each photo gets, from one decode"));
    connect(presetMenu_, &QMenu::aboutToShow, this, &PlacesRow::FillPresetMenu);
    keepDate_ = new QAction(tr("Keep file dates"), this);
    keepDate_->setObjectName("keepFileDateAction");
    keepDate_->setCheckable(true);
    keepDate_->setToolTip(tr("Each output gets its original's modification date"));
    // Every Alt letter of its words is some other control's.
    keepDate_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    addAction(keepDate_);
    // The box shows the menu's entry: the action alone holds the choice.
    auto* keepDateBox = new QCheckBox(keepDate_->text(), this);
    keepDateBox->setObjectName("keepFileDateCheck");
    keepDateBox->setToolTip(keepDate_->toolTip() + " (" +
                            keepDate_->shortcut().toString(QKeySequence::NativeText) + ")");
    connect(keepDate_, &QAction::toggled, keepDateBox, &QCheckBox::setChecked);
    connect(keepDateBox, &QCheckBox::clicked, keepDate_, &QAction::setChecked);
    // Filled again each time it opens: presets saved meanwhile show up.
    FillPresetMenu();

    layout->addWidget(templateLabel);
    template_->setMinimumWidth(160);
    layout->addWidget(template_, 2);
    layout->addWidget(example_, 1);
    layout->addWidget(place_);
    layout->addWidget(beside_);
    layout->addWidget(keepDateBox);
    layout->addWidget(outputs_);

    connect(template_, &QLineEdit::textChanged, this, &PlacesRow::Changed);
    connect(beside_, &QLineEdit::textChanged, this, &PlacesRow::Changed);
    connect(place_, &QComboBox::currentIndexChanged, this, [this] {
        ShowPlace();
        emit Changed();
    });
    ShowPlace();
}

void PlacesRow::ShowNaming(const OutputNaming& naming, OutputPlace place) {
    template_->setText(paths::ToQString(naming.nameTemplate));
    if (!naming.besideFolder.empty())
        beside_->setText(paths::ToQString(naming.besideFolder));
    place_->setCurrentIndex(static_cast<int>(naming.besideFolder.empty() ? place : OutputPlace::Beside));
    keepDate_->setChecked(naming.keepFileDate);
    ShowPlace();
}

OutputPlace PlacesRow::TakeNaming(OutputNaming& naming) const {
    const auto place = static_cast<OutputPlace>(place_->currentIndex());
    naming.nameTemplate = paths::FromQString(template_->text());
    naming.besideFolder = place == OutputPlace::Beside ? paths::FromQString(beside_->text()) : "";
    naming.keepFileDate = keepDate_->isChecked();
    return place;
}

std::vector<std::string> PlacesRow::ChosenPresets() const {
    return chosen_;
}

void PlacesRow::ShowExample(const QString& text, bool refused) {
    example_->setText(refused ? text : tr("e.g. %1").arg(text));
    example_->setToolTip(example_->text());
    example_->setStyleSheet(refused ? QStringLiteral("color: #c01c28") : QString());
}

void PlacesRow::FillPresetMenu() {
    presetMenu_->clear();
    presetMenu_->addAction(keepDate_);
    presetMenu_->addSection(tr("Outputs: one per preset ticked"));
    const std::vector<std::string> names = presets::Names();
    // A preset removed since it was ticked is no longer a choice.
    std::erase_if(chosen_, [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) == names.end();
    });
    if (names.empty())
        presetMenu_->addAction(tr("No presets saved"))->setEnabled(false);
    for (const std::string& name : names) {
        QAction* action = presetMenu_->addAction(paths::ToQString(name));
        action->setCheckable(true);
        action->setChecked(std::find(chosen_.begin(), chosen_.end(), name) != chosen_.end());
        connect(action, &QAction::toggled, this, [this, name](bool on) {
            if (on)
                chosen_.push_back(name);
            else
                std::erase(chosen_, name);
            ShowChosenCount();
            emit Changed();
        });
    }
    ShowChosenCount();
}

void PlacesRow::ShowPlace() {
    beside_->setEnabled(place_->currentIndex() == static_cast<int>(OutputPlace::Beside));
}

void PlacesRow::ShowChosenCount() {
    const int count = static_cast<int>(chosen_.size());
    outputs_->setText(count == 0 ? tr("&Write: one output")
                                 : tr("&Write: %n presets", nullptr, count));
}
