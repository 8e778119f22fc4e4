#include "platform/Paths.h"

#include <QFile>

namespace paths {

std::string EnsureTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

std::string Join(const std::string& folder, const std::string& name) {
    return EnsureTrailingSeparator(folder) + name;
}

std::string GetFolderOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

QString ToQString(const std::string& native) {
    return QFile::decodeName(QByteArray::fromStdString(native));
}

std::string FromQString(const QString& text) { return QFile::encodeName(text).toStdString(); }

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace paths
