// The start-up question: a modal yes/no box asked before any window exists.
// One implementation per OS (dialog_linux.cpp, dialog_win32.cpp); where no box
// can be shown (no display, an error) the answer is No.
#pragma once

// True exactly when the user answers Yes.
bool AskYesNo(const char* text, const char* caption);
