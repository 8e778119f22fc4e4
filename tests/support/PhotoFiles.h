#pragma once
// Small files for the photo list tests.

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vips/vips8>

#include "support/TestSupport.h"

namespace phototest {

// A grey JPEG (or any format the extension names) of the given size.
inline void WritePicture(const std::string& path, int width, int height) {
    static const bool started = vips_init("quillmere-photolist-tests") == 0;
    (void)started;
    vips::VImage image = vips::VImage::black(width, height, vips::VImage::option()->set("bands", 3)) + 128;
    image.cast(VIPS_FORMAT_UCHAR).write_to_file(path.c_str());
}

inline void WriteText(const std::string& path, const std::string& text = "not a picture") {
    std::ofstream(path, std::ios::binary) << text;
}

using testsupport::SetModified;

// Runs check where file modes bind: as root, in a child process that has
// become "nobody". True when check returned true.
inline bool RunUnprivileged(const std::function<bool()>& check) {
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        const bool ok = setgid(65534) == 0 && setuid(65534) == 0 && check();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace phototest
