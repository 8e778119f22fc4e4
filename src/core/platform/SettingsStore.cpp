#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <memory>
#include <mutex>

#include "platform/FirstFailure.h"
#include "platform/Words.h"

namespace {

std::mutex rootMutex;
QString rootMaker = QString::fromLatin1(settings::kMaker);
QString rootApplication;

std::unique_ptr<QSettings> Open() {
    QString maker, application;
    {
        std::lock_guard lock(rootMutex);
        maker = rootMaker;
        application = rootApplication;
    }
    if (application.isEmpty())
        application = QCoreApplication::applicationName();
    if (application.isEmpty())
        application = QStringLiteral("quillmere");
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, maker,
                                       application);
}

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

Status Written(QSettings& store, const std::string& section, const std::string& key) {
    store.sync();
    switch (store.status()) {
        case QSettings::NoError: return Status::Ok();
        case QSettings::AccessError:
            return Status::Failed(store.fileName().toStdString(),
                                  words::translate("Reasons", "the setting %1 could not be saved")
                                      .Arg(section + "/" + key),
                                  "access denied");
        case QSettings::FormatError: break;
    }
    return Status::Failed(
        store.fileName().toStdString(),
        words::translate("Reasons", "the setting %1 could not be saved").Arg(section + "/" + key),
        "the file is not in the settings format");
}

FirstFailure g_unsaved;

}  // namespace

void SettingsStore::SetRoot(const std::string& maker, const std::string& application) {
    std::lock_guard lock(rootMutex);
    rootMaker = QString::fromStdString(maker);
    rootApplication = QString::fromStdString(application);
}

bool SettingsStore::ParseInt32(const std::string& text, int32_t& value) {
    // QVariant::toInt would wrap 4294967376 to 80 and call it valid.
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '\0')
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0')
        return false;
    if (parsed < std::numeric_limits<int32_t>::min() ||
        parsed > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

int32_t SettingsStore::GetInt(const std::string& section, const std::string& key,
                              int32_t defaultValue) {
    QVariant stored = Open()->value(KeyPath(section, key));
    if (!stored.isValid())
        return defaultValue;
    int32_t value = 0;
    if (!ParseInt32(stored.toString().toStdString(), value))
        return defaultValue;
    return value;
}

bool SettingsStore::Contains(const std::string& section, const std::string& key) {
    return Open()->contains(KeyPath(section, key));
}

std::string SettingsStore::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
    QVariant stored = Open()->value(KeyPath(section, key));
    if (!stored.isValid())
        return defaultValue;
    return stored.toString().toStdString();
}

Status SettingsStore::WriteInt(const std::string& section, const std::string& key, int32_t value) {
    auto store = Open();
    store->setValue(KeyPath(section, key), static_cast<int>(value));
    return Written(*store, section, key);
}

Status SettingsStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    auto store = Open();
    store->setValue(KeyPath(section, key), QString::fromStdString(value));
    return Written(*store, section, key);
}

void SettingsStore::TellUnsaved(const Status& written, Prompter& prompter) {
    g_unsaved.Tell(written, shown::translate("Messages", "The settings could not be saved."),
                   prompter);
}

std::string SettingsStore::Location() {
    return Open()->fileName().toStdString();
}
