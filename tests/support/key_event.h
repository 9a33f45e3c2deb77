#pragma once

#include <SDL.h>

namespace gb_test {

// A key event as SDL delivers it: pressed for a key-down, released for a key-up.
inline SDL_Event key_event(Uint32 type, SDL_Keycode key, bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    return event;
}

} // namespace gb_test
