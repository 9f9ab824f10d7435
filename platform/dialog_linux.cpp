// The question through SDL's message box: a real dialog of the window system,
// shown without initialising the rest of SDL.
#include "platform/dialog.h"

#include <SDL2/SDL.h>

namespace {

enum ButtonId { kNo = 0, kYes = 1 };

} // namespace

bool AskYesNo(const char* text, const char* caption) {
    // Return answers Yes and Escape answers No, as on the Windows message box.
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, "No"},
    };
    const SDL_MessageBoxData box = {
        SDL_MESSAGEBOX_WARNING | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        nullptr,
        caption,
        text,
        SDL_arraysize(buttons),
        buttons,
        nullptr,
    };
    // No display, or closing the box without a button, counts as No.
    int answer = kNo;
    if (SDL_ShowMessageBox(&box, &answer) < 0)
        return false;
    return answer == kYes;
}
