// The few file operations the two platforms do differently; files/posix and
// win32/file_system.cpp each hold one version. Paths are host paths.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Flushes a written file through to the disk.
bool syncToDisk(std::FILE* file);

// Renames `from` to `to`, replacing an existing `to` in one step.
bool replaceFile(const char* from, const char* to);

// This process's number, which no other process running has.
unsigned long processId();

// Creates one folder level; false when it could not (it may already exist).
bool createFolder(const char* path);

// The names of the files (not folders) in `folder` whose names end in
// `suffix`, matched without regard to case; in no particular order. A
// missing folder holds none.
std::vector<std::string> filesIn(const char* folder, const char* suffix);
