// POSIX: rename replaces an existing target in one step.
#include <unistd.h>

#include <cstdio>

#include "files/whole_file.h"

bool syncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool replaceFile(const char* from, const char* to) { return std::rename(from, to) == 0; }
