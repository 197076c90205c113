#include "files/whole_file.h"

#include <algorithm>
#include <cstdio>

#include "files/file_system.h"

namespace {

// The temporary file lives in the target's own folder, so that the final
// rename never crosses a volume. Its name is this write's own: two copies of
// the program writing at once never share one.
std::string temporaryPathFor(const std::string& target) {
    static unsigned writes = 0;
    const size_t slash = target.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    char name[40];
    std::snprintf(name, sizeof name, "~kv%lx-%x.tmp", processId(), ++writes);
    return folder + name;
}

}  // namespace

WriteResult writeWholeFile(const std::string& target, const std::string& text) {
    const std::string temporary = temporaryPathFor(target);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return WriteResult::CannotCreate;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    written = syncToDisk(file) && written;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::remove(temporary.c_str());
        return WriteResult::WriteFailed;
    }
    if (!replaceFile(temporary.c_str(), target.c_str())) {
        std::remove(temporary.c_str());
        return WriteResult::CannotCreate;
    }
    return WriteResult::Written;
}

bool readWholeFile(const std::string& path, size_t limit, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    // Room for the whole file at once: a text grown chunk by chunk is copied
    // again and again.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) text.reserve(std::min(static_cast<size_t>(size), limit));
        std::rewind(file);
    }
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (text.size() + got > limit) {
            ok = false;
            break;
        }
        text.append(chunk, got);
        if (got < sizeof chunk) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok) text.clear();
    return ok;
}
