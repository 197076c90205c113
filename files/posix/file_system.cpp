// POSIX: rename replaces an existing target in one step.
#include "files/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

bool syncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool replaceFile(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool createFolder(const char* path) { return mkdir(path, 0777) == 0; }
