// Writing a file whole: the text goes to a temporary file beside the target,
// which replaces the target only once everything is written and flushed.
#pragma once

#include <string>

enum class WriteResult {
    Written,
    CannotCreate,  // the temporary file could not be made, or the target not replaced
    WriteFailed    // writing, flushing or closing the temporary file failed
};

// `target` is a host path. On any failure the old target is untouched and
// the temporary file is gone.
WriteResult writeWholeFile(const std::string& target, const std::string& text);

// Reads a whole file of at most `limit` bytes; false when it is missing,
// unreadable or larger.
bool readWholeFile(const std::string& path, size_t limit, std::string& text);
