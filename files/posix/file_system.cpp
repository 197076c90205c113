// POSIX: rename replaces an existing target in one step.
#include "files/file_system.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

bool syncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool replaceFile(const char* from, const char* to) { return std::rename(from, to) == 0; }

unsigned long processId() { return static_cast<unsigned long>(getpid()); }

bool createFolder(const char* path) { return mkdir(path, 0777) == 0; }

std::vector<std::string> filesIn(const char* folder, const char* suffix) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder);
    if (dir == nullptr) return names;
    const size_t suffixLength = std::strlen(suffix);
    while (const dirent* entry = readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (length < suffixLength || strcasecmp(entry->d_name + length - suffixLength, suffix) != 0)
            continue;
        struct stat info;
        const std::string path = std::string(folder) + "/" + entry->d_name;
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(entry->d_name);
    }
    closedir(dir);
    return names;
}
