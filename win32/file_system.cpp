// Windows: rename refuses an existing target, so the replacement goes through
// MoveFileExA, written through to the disk before it returns.
#include "files/file_system.h"

#include <windows.h>
#include <io.h>

#include <cstring>

bool syncToDisk(std::FILE* file) {
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
}

bool replaceFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

unsigned long processId() { return GetCurrentProcessId(); }

bool createFolder(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

std::vector<std::string> filesIn(const char* folder, const char* suffix) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    const size_t suffixLength = std::strlen(suffix);
    do {
        const size_t length = std::strlen(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && length >= suffixLength &&
            lstrcmpiA(found.cFileName + length - suffixLength, suffix) == 0)
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}
