#include "files/file_path.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>


void setIllegalChars(FilePath& path) {
    std::memset(path.illegalChars, 0, sizeof path.illegalChars);
    std::strcpy(path.illegalChars, "\\|/:*?<\">");
}

std::string composePath(const FilePath& path) {
    std::string full;
    if (path.folder[0] != '\0') full = full + ".\\" + path.folder + "\\";
    full += path.name;
    if (path.extension[0] != '\0') full = full + "." + path.extension;
    return full;
}

bool buildPath(FilePath& path) {
    if (setText(path.fullPath, composePath(path))) return true;
    path.fullPath[0] = '\0';
    return false;
}

std::string hostPath(const char* windowsPath) {
    std::string path = windowsPath;
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\') c = '/';
#endif
    return path;
}

bool fileExists(FilePath& path) {
    if (!buildPath(path)) return false;
    struct stat info;  // a folder is no puzzle or saved game
    return stat(hostPath(path.fullPath).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void trimName(FilePath& path) {
    const std::string name = path.name;
    const size_t first = name.find_first_not_of(" \t");
    const size_t end = name.find_last_not_of(" \t") + 1;  // 0 when all blank
    setText(path.name, first < end ? name.substr(first, end - first) : "");
}

bool nameIsBlank(const FilePath& path) {
    for (const char* c = path.name; *c != '\0'; ++c)
        if (*c != ' ') return false;
    return true;
}

bool nameIsLegal(const FilePath& path) {
    return std::strpbrk(path.name, path.illegalChars) == nullptr;
}
