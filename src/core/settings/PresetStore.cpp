#include "settings/PresetStore.h"

#include <QSettings>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <type_traits>

#include "model/RawDevelop.h"
#include "platform/SettingsStore.h"
#include "model/OptionTables.h"

namespace {

// The values a numeric field accepts when it is read back.
struct Bounds {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
};

// One stored field: its key and how its value becomes text and back. A read
// returns false, leaving the field as it was, for text it cannot use.
struct PresetField {
    const char* key;
    std::function<QString(const Preset&)> write;
    std::function<bool(const QString&, Preset&)> read;
};

template <class T>
QString ToText(const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return QString::fromStdString(value);
    else if constexpr (std::is_floating_point_v<T>)
        return QString::number(value, 'g', 17);
    else
        return QString::number(static_cast<qlonglong>(value));
}

template <class T>
bool FromText(const QString& text, Bounds bounds, T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        value = text.toStdString();
        return true;
    } else {
        bool ok = false;
        const double number = std::is_floating_point_v<T>
                                  ? text.toDouble(&ok)
                                  : static_cast<double>(text.toLongLong(&ok));
        if (!ok || !std::isfinite(number) || number < bounds.low || number > bounds.high)
            return false;
        if constexpr (!std::is_floating_point_v<T>)
            if (number < static_cast<double>(std::numeric_limits<T>::min()) ||
                number > static_cast<double>(std::numeric_limits<T>::max()))
                return false;
        value = static_cast<T>(number);
        return true;
    }
}

// A field reached from the preset through a chain of members, such as
// &Preset::overlay, &TextOverlay::font, &LogFont::lfHeight.
template <class... Members>
PresetField Bounded(const char* key, Bounds bounds, Members... members) {
    return {
        key, [=](const Preset& p) { return ToText((p.*....*members)); },
        [=](const QString& text, Preset& p) { return FromText(text, bounds, (p.*....*members)); }};
}

template <class... Members>
PresetField Field(const char* key, Members... members) {
    return Bounded(key, Bounds{}, members...);
}

double LastIndex(std::size_t rows) {
    return static_cast<double>(rows) - 1;
}

// Every stored field, once. A field added to the records is kept by adding
// its row here.
const std::vector<PresetField>& Fields() {
    using namespace settings;
    using F = OutputPhotoFormat;
    using L = LogFont;
    using T = TextOverlay;
    static const std::vector<PresetField> fields = {
        Bounded(kSizeType, {0, LastIndex(SizeRules().size())}, &Preset::format, &F::nOuputSizeType),
        Field(kOutputWidth, &Preset::format, &F::nOutputWidth),
        Field(kOutputHeight, &Preset::format, &F::nOutputHeight),
        Bounded(kOutputFormat, {0, LastIndex(OutputFormats().size())}, &Preset::format,
                &F::nOuptputFormat),
        Field(kPixelFormat, &Preset::format, &F::iComboPixelFormat),
        Bounded(kJpegQuality, {kMinQuality, kMaxQuality}, &Preset::format, &F::nCurrentJpegQuality),
        Field("nKeepAspectRatio", &Preset::format, &F::nKeepAspectRatio),
        Bounded("dStretchHorizontal", {kMinStretch, kMaxStretch}, &Preset::format,
                &F::dStretchHorizontal),
        Bounded("dStretchVertical", {kMinStretch, kMaxStretch}, &Preset::format,
                &F::dStretchVertical),
        Field(kRotateAngle, &Preset::format, &F::nRotateAngel),
        Field(kFlipType, &Preset::format, &F::nFlipType),
        Bounded("nLongEdge", {1, kMaxOutputSide}, &Preset::format, &F::nLongEdge),
        Field("bNoEnlarge", &Preset::format, &F::bNoEnlarge),
        Field("bLossless", &Preset::format, &F::bLossless),
        Bounded("nMetadata", {0, LastIndex(MetadataChoices().size())}, &Preset::format,
                &F::nMetadata),
        Bounded("nRawDevelop", {0, LastIndex(RawDevelopChoices().size())}, &Preset::format,
                &F::nRawDevelop),
        Field(kBatchRenamer, &Preset::naming, &OutputNaming::prefix),
        Field("m_bNotRename", &Preset::naming, &OutputNaming::notRename),
        Field("m_bKeepFolders", &Preset::naming, &OutputNaming::keepFolders),
        Bounded(kNamingDate, {0, LastIndex(NamingDateChoices().size())}, &Preset::naming,
                &OutputNaming::date),
        Field("strText", &Preset::overlay, &T::text),
        Field("nTextX", &Preset::overlay, &T::x),
        Field("nTextY", &Preset::overlay, &T::y),
        Bounded("nTextAnchor", {0, LastIndex(TextAnchors().size())}, &Preset::overlay, &T::anchor),
        Bounded("dTextSizePercent", {0, kMaxTextSizePercent}, &Preset::overlay, &T::sizePercent),
        Bounded("nTextOpacity", {0, 100}, &Preset::overlay, &T::opacity),
        Bounded("nTextEffect", {0, LastIndex(TextEffects().size())}, &Preset::overlay, &T::effect),
        Field(kCurrentColor, &Preset::overlay, &T::color),
        Field(kHeight, &Preset::overlay, &T::font, &L::lfHeight),
        Field(kWidth, &Preset::overlay, &T::font, &L::lfWidth),
        Field(kEscapement, &Preset::overlay, &T::font, &L::lfEscapement),
        Field(kOrientation, &Preset::overlay, &T::font, &L::lfOrientation),
        Field(kWeight, &Preset::overlay, &T::font, &L::lfWeight),
        Field(kItalic, &Preset::overlay, &T::font, &L::lfItalic),
        Field(kUnderline, &Preset::overlay, &T::font, &L::lfUnderline),
        Field(kStrikeOut, &Preset::overlay, &T::font, &L::lfStrikeOut),
        Field(kCharSet, &Preset::overlay, &T::font, &L::lfCharSet),
        Field(kOutPrecision, &Preset::overlay, &T::font, &L::lfOutPrecision),
        Field(kClipPrecision, &Preset::overlay, &T::font, &L::lfClipPrecision),
        Field(kPitchAndFamily, &Preset::overlay, &T::font, &L::lfPitchAndFamily),
        Field(kFaceName, &Preset::overlay, &T::font, &L::lfFaceName),
    };
    return fields;
}

// The presets' group of the window's settings file, opened afresh for each
// call, so that a preset saved by another process is seen at once.
std::unique_ptr<QSettings> OpenPresets() {
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(settings::kMaker),
                                             QString::fromLatin1(settings::kWindowStore));
    store->beginGroup(QString::fromLatin1(settings::kPresets));
    return store;
}

bool Synced(QSettings& store, std::string* reason) {
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    if (reason)
        *reason = "the settings file " + store.fileName().toStdString() + " could not be written";
    return false;
}

}  // namespace

namespace presets {

std::string NameProblem(const std::string& name) {
    if (name.empty())
        return "must not be empty";
    // Either would split the name into nested groups.
    if (name.find_first_of("/\\") != std::string::npos)
        return "must not contain '/' or '\\'";
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return "must not contain control characters";
    return {};
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const QString& group : OpenPresets()->childGroups()) names.push_back(group.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<Preset> Load(const std::string& name) {
    if (!NameProblem(name).empty())
        return std::nullopt;
    auto store = OpenPresets();
    const QString group = QString::fromStdString(name);
    if (!store->childGroups().contains(group))
        return std::nullopt;
    store->beginGroup(group);
    Preset preset;
    for (const PresetField& field : Fields()) {
        const QString key = QString::fromLatin1(field.key);
        if (store->contains(key))
            field.read(store->value(key).toString(), preset);
    }
    return preset;
}

bool Save(const std::string& name, const Preset& preset, std::string* reason) {
    if (const std::string problem = NameProblem(name); !problem.empty()) {
        if (reason)
            *reason = "a preset name " + problem;
        return false;
    }
    auto store = OpenPresets();
    const QString group = QString::fromStdString(name);
    store->remove(group);
    store->beginGroup(group);
    for (const PresetField& field : Fields())
        store->setValue(QString::fromLatin1(field.key), field.write(preset));
    store->endGroup();
    return Synced(*store, reason);
}

bool Remove(const std::string& name, std::string* reason) {
    // An empty name would remove the whole group.
    if (!NameProblem(name).empty())
        return true;
    auto store = OpenPresets();
    store->remove(QString::fromStdString(name));
    return Synced(*store, reason);
}

std::string Location() {
    return OpenPresets()->fileName().toStdString();
}

}  // namespace presets
