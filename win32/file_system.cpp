// Windows: rename refuses an existing target, so the replacement goes through
// MoveFileExA, written through to the disk before it returns.
#include "files/file_system.h"

#include <windows.h>
#include <io.h>

bool syncToDisk(std::FILE* file) {
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
}

bool replaceFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool createFolder(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }
