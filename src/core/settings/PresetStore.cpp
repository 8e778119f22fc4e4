#include "settings/PresetStore.h"

#include <QSettings>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <type_traits>

#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"
#include "platform/SettingsStore.h"
#include "platform/Words.h"

namespace {

// One stored field: its key and how its value becomes text and back. A read
// gives a failure naming the key, leaving the field as it was, for text the
// field does not take.
struct PresetField {
    const char* key;
    std::function<QString(const Preset&)> write;
    std::function<Status(const QString&, Preset&)> read;
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

// What a field's value must be: a number within its row's range, one of a
// set's ids, or any value of the field's type (a flag, a text, a font
// detail).
using Check = std::function<Status(double value)>;

template <class T>
Status FromText(const char* key, const QString& text, const Check& check, T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        value = text.toStdString();
        return Status::Ok();
    } else {
        bool ok = false;
        const double number = std::is_floating_point_v<T>
                                  ? text.toDouble(&ok)
                                  : static_cast<double>(text.toLongLong(&ok));
        if (!ok || !std::isfinite(number))
            return Status::Failed(key,
                                  words::translate("Reasons", "the value \"%1\" is not a number")
                                      .Arg(text.toStdString()));
        if (check) {
            if (Status checked = check(number); !checked)
                return checked;
        } else if (number < static_cast<double>(std::numeric_limits<T>::min()) ||
                   number > static_cast<double>(std::numeric_limits<T>::max())) {
            return Status::Failed(key, words::translate("Reasons", "the value %1 is out of range")
                                           .Arg(text.toStdString()));
        }
        value = static_cast<T>(number);
        return Status::Ok();
    }
}

// A field reached from the preset through a chain of members, such as
// &Preset::overlay, &TextOverlay::font, &LogFont::lfHeight.
template <class... Members>
PresetField Checked(const char* key, Check check, Members... members) {
    return {key, [=](const Preset& p) { return ToText((p.*....*members)); },
            [=](const QString& text, Preset& p) {
                return FromText(key, text, check, (p.*....*members));
            }};
}

template <class... Members>
PresetField Field(const char* key, Members... members) {
    return Checked(key, Check{}, members...);
}

template <class... Members>
PresetField Number(const NumberSetting& row, Members... members) {
    return Checked(
        row.key, [&row](double value) { return CheckNumber(row, value); }, members...);
}

template <class... Members>
PresetField OneOf(const char* key, std::vector<int32_t> ids, Members... members) {
    return Checked(
        key, [=](double value) { return CheckChoice(key, ids, static_cast<int32_t>(value)); },
        members...);
}

template <class Rows>
std::vector<int32_t> WithNoEntry(const Rows& rows) {
    std::vector<int32_t> ids = IdsOf(rows);
    ids.push_back(kNoListEntry);
    return ids;
}

// A colour as 0x00BBGGRR.
Status CheckColour(const char* key, double value) {
    if (value < 0 || value > 0xFFFFFF)
        return Status::Failed(
            key,
            words::translate("Reasons", "the value %1 is not a colour").Arg(NumberText(value)));
    return Status::Ok();
}

// Every stored field, once. A field added to the records is kept by adding
// its row here.
const std::vector<PresetField>& Fields() {
    using namespace settings;
    using F = OutputPhotoFormat;
    using L = LogFont;
    using T = TextOverlay;
    namespace n = numbers;
    static const std::vector<PresetField> fields = {
        OneOf(kSizeType, IdsOf(SizeRules()), &Preset::format, &F::nOuputSizeType),
        Number(n::kOutputWidth, &Preset::format, &F::nOutputWidth),
        Number(n::kOutputHeight, &Preset::format, &F::nOutputHeight),
        OneOf(kOutputFormat, IdsOf(OutputFormats()), &Preset::format, &F::nOuptputFormat),
        // The options dialog gives a choice no entry shows back as it is: it
        // stands for 24 bits.
        OneOf(kPixelFormat, WithNoEntry(PixelFormatChoices()), &Preset::format,
              &F::iComboPixelFormat),
        Number(n::kQuality, &Preset::format, &F::nCurrentJpegQuality),
        OneOf("nKeepAspectRatio", IdsOf(KeepAspectChoices()), &Preset::format,
              &F::nKeepAspectRatio),
        Number(n::kStretchHorizontal, &Preset::format, &F::dStretchHorizontal),
        Number(n::kStretchVertical, &Preset::format, &F::dStretchVertical),
        OneOf(kRotateAngle, IdsOf(RotationChoices()), &Preset::format, &F::nRotateAngel),
        OneOf(kFlipType, IdsOf(FlipChoices()), &Preset::format, &F::nFlipType),
        Number(n::kLongEdge, &Preset::format, &F::nLongEdge),
        Field("bNoEnlarge", &Preset::format, &F::bNoEnlarge),
        Field("bLossless", &Preset::format, &F::bLossless),
        OneOf("nMetadata", IdsOf(MetadataChoices()), &Preset::format, &F::nMetadata),
        OneOf("nRawDevelop", IdsOf(RawDevelopChoices()), &Preset::format, &F::nRawDevelop),
        Number(n::kMaxFileSize, &Preset::format, &F::nMaxFileSize),
        Number(n::kMinQuality, &Preset::format, &F::nMinQuality),
        Field("bNoShrinkToFit", &Preset::format, &F::bNoShrinkToFit),
        OneOf("nChroma", IdsOf(ChromaChoices()), &Preset::format, &F::nChroma),
        Field("bProgressive", &Preset::format, &F::bProgressive),
        Field(kBatchRenamer, &Preset::naming, &OutputNaming::prefix),
        Field("m_bNotRename", &Preset::naming, &OutputNaming::notRename),
        Field("m_bKeepFolders", &Preset::naming, &OutputNaming::keepFolders),
        OneOf(kNamingDate, IdsOf(NamingDateChoices()), &Preset::naming, &OutputNaming::date),
        Field("strText", &Preset::overlay, &T::text),
        Number(n::kTextX, &Preset::overlay, &T::x),
        Number(n::kTextY, &Preset::overlay, &T::y),
        OneOf("nTextAnchor", IdsOf(TextAnchors()), &Preset::overlay, &T::anchor),
        Number(n::kTextSizePercent, &Preset::overlay, &T::sizePercent),
        Number(n::kTextOpacity, &Preset::overlay, &T::opacity),
        OneOf("nTextEffect", IdsOf(TextEffects()), &Preset::overlay, &T::effect),
        Field(kCurrentColor, &Preset::overlay, &T::color),
        Checked(
            kHeight, [](double value) { return CheckFontHeight(static_cast<int32_t>(value)); },
            &Preset::overlay, &T::font, &L::lfHeight),
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
        OneOf("nCropAnchor", IdsOf(CropAnchorChoices()), &Preset::format, &F::nCropAnchor),
        Checked(
            "nBackgroundColor", [](double value) { return CheckColour("nBackgroundColor", value); },
            &Preset::format, &F::nBackgroundColor),
        OneOf("nSharpen", IdsOf(SharpenChoices()), &Preset::format, &F::nSharpen),
        Number(n::kDpi, &Preset::format, &F::nDpi),
        Field("strWatermark", &Preset::overlay, &T::watermark, &ImageWatermark::path),
        OneOf("nWatermarkAnchor", IdsOf(TextAnchors()), &Preset::overlay, &T::watermark,
              &ImageWatermark::anchor),
        Number(n::kWatermarkSizePercent, &Preset::overlay, &T::watermark,
               &ImageWatermark::sizePercent),
        Number(n::kWatermarkOpacity, &Preset::overlay, &T::watermark, &ImageWatermark::opacity),
        Number(n::kWatermarkMargin, &Preset::overlay, &T::watermark,
               &ImageWatermark::marginPercent),
        OneOf("nPalette", IdsOf(PaletteChoices()), &Preset::format, &F::nPalette),
        // A template is checked when a run is planned with it.
        Field("strNameTemplate", &Preset::naming, &OutputNaming::nameTemplate),
        Field("strBesideFolder", &Preset::naming, &OutputNaming::besideFolder),
        Field("m_bKeepFileDate", &Preset::naming, &OutputNaming::keepFileDate),
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

// Whether the change is in the file. A line of it that could not be read
// (a format error) does not stop the writing: then the change is read back,
// through landed, to tell the truth.
bool Synced(QSettings& store, std::string* reason, const std::function<bool()>& landed) {
    store.sync();
    const QSettings::Status status = store.status();
    if (status == QSettings::NoError || (status == QSettings::FormatError && landed()))
        return true;
    // Shown to the user (the window's message, the terminal), never logged.
    if (reason)
        *reason = words::Filled(
            status == QSettings::FormatError
                ? shown::translate("PresetStore",
                                   "the settings file %1 has a line that cannot be read")
                : shown::translate("PresetStore", "the settings file %1 could not be written"),
            {store.fileName().toStdString()});
    return false;
}

}  // namespace

namespace presets {

std::string NameProblem(const std::string& name) {
    if (name.empty())
        return shown::translate("PresetStore", "must not be empty");
    // Either would split the name into nested groups.
    if (name.find_first_of("/\\") != std::string::npos)
        return shown::translate("PresetStore", "must not contain '/' or '\\'");
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return shown::translate("PresetStore", "must not contain control characters");
    return {};
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const QString& group : OpenPresets()->childGroups()) names.push_back(group.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

Result<std::optional<Preset>> Load(const std::string& name) {
    if (!NameProblem(name).empty())
        return std::optional<Preset>();
    auto store = OpenPresets();
    const QString group = QString::fromStdString(name);
    if (!store->childGroups().contains(group))
        return std::optional<Preset>();
    store->beginGroup(group);
    Preset preset;
    for (const PresetField& field : Fields()) {
        const QString key = QString::fromLatin1(field.key);
        if (!store->contains(key))
            continue;
        if (Status read = field.read(store->value(key).toString(), preset); !read)
            return read;
    }
    return std::optional<Preset>(preset);
}

bool Save(const std::string& name, const Preset& preset, std::string* reason) {
    if (const std::string problem = NameProblem(name); !problem.empty()) {
        if (reason)
            *reason = words::Filled(shown::translate("PresetStore", "a preset name %1"), {problem});
        return false;
    }
    auto store = OpenPresets();
    const QString group = QString::fromStdString(name);
    store->remove(group);
    store->beginGroup(group);
    for (const PresetField& field : Fields())
        store->setValue(QString::fromLatin1(field.key), field.write(preset));
    store->endGroup();
    return Synced(*store, reason, [&] {
        const Result<std::optional<Preset>> stored = presets::Load(name);
        return stored && stored.Value() && *stored.Value() == preset;
    });
}

bool Remove(const std::string& name, std::string* reason) {
    // An empty name would remove the whole group.
    if (!NameProblem(name).empty())
        return true;
    auto store = OpenPresets();
    store->remove(QString::fromStdString(name));
    return Synced(*store, reason, [&] {
        const std::vector<std::string> names = presets::Names();
        return std::find(names.begin(), names.end(), name) == names.end();
    });
}

std::string Location() {
    return OpenPresets()->fileName().toStdString();
}

Preset LoadLastUsed(bool* stored) {
    Preset preset;
    if (stored)
        *stored = false;
    for (const PresetField& field : Fields()) {
        if (!SettingsStore::Contains(kLastUsed, field.key))
            continue;
        if (stored)
            *stored = true;
        // A value its setting does not take keeps the built-in one; the
        // others still come back.
        Preset read = preset;
        if (field.read(QString::fromStdString(SettingsStore::GetString(kLastUsed, field.key, {})),
                       read))
            preset = read;
    }
    return preset;
}

Status SaveLastUsed(const Preset& preset) {
    for (const PresetField& field : Fields())
        if (Status written = SettingsStore::WriteString(kLastUsed, field.key,
                                                        field.write(preset).toStdString());
            !written)
            return written;
    return Status::Ok();
}

}  // namespace presets
