#include "TextDrawing.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "imaging/FontConversion.h"
#include "platform/Words.h"

namespace {

// The user's name, or the number when it has none.
std::string UserName() {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[1024];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return found->pw_name;
    return std::to_string(getuid());
}

// Outside a login session (cron, ssh, a container) there is no runtime
// folder, and Qt would warn before falling back to one in the temporary
// folder. The command line takes that same folder itself: made private to
// the user, as the XDG base directory rules require of such a replacement.
void ProvideRuntimeFolder() {
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    if (given && *given)
        return;
    const char* temp = std::getenv("TMPDIR");
    const std::string folder = std::string(temp && *temp ? temp : "/tmp") + "/runtime-" + UserName();
    mkdir(folder.c_str(), 0700);
    struct stat st {};
    // Anything else under the name is left to Qt, which says what is wrong.
    if (lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
        (st.st_mode & 0777) == 0700)
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace

TextDrawing::TextDrawing(const TextOverlay& overlay,
                         const std::function<void(const std::string&)>& notice) {
    const std::string& family = overlay.font.lfFaceName;
    if (overlay.text.empty() && family.empty())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ProvideRuntimeFolder();
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    if (!family.empty() && !QFontDatabase::hasFamily(QString::fromStdString(family)))
        notice(words::Filled(
            shown::translate("CommandLine",
                             "font family '%1' is not installed; the text is drawn in '%2'"),
            {family, QFontInfo(QFontFromLogFont(overlay.font)).family().toStdString()}));
}

TextDrawing::~TextDrawing() = default;
