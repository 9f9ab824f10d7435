#include "platform/report.h"

#include <windows.h>

#include <cstring>

// The executable's file name from the module path, without ".exe". Read once:
// the name does not change while the program runs.
const char* ProgramName() {
    static char name[MAX_PATH] = "";
    if (name[0] == '\0') {
        char path[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        const char* base = path;
        for (DWORD i = 0; i < length; ++i)
            if (path[i] == '\\' || path[i] == '/')
                base = path + i + 1;
        std::strncpy(name, length ? base : "zentrafel", MAX_PATH - 1);
        if (char* dot = std::strrchr(name, '.'))
            *dot = '\0';
    }
    return name;
}
