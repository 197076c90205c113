// Functions of the larger system libraries, loaded the first time they are
// needed: the common dialogs and the shell bring printing, networking and
// COM along, which a game at rest never uses.
#pragma once

#include <windows.h>

// The function `name` of `library`, or null when it cannot be had.
template <typename Function>
Function* systemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) module = LoadLibraryA(library);
    if (module == nullptr) return nullptr;
    // FARPROC stands for any function; the cast through void(*)() says so.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
