// The question through the Win32 message box.
#include "platform/dialog.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool AskYesNo(const char* text, const char* caption) {
    return MessageBoxA(nullptr, text, caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}
