#include "ui/presented_frame.h"

#include <cstring>

void presented_frame_forget(PresentedFrame *frame) {
    frame->shown = false;
}

// Compared byte for byte: a screen draws only from the state and its cursor, so equal bytes
// mean an equal picture, and no field can be forgotten here when the state grows.
bool presented_frame_needs_drawing(PresentedFrame *frame, const MenuState *state, int cursor) {
    if (frame->shown && frame->cursor == cursor &&
        std::memcmp(&frame->state, state, sizeof *state) == 0) {
        return false;
    }
    std::memcpy(&frame->state, state, sizeof *state);
    frame->cursor = cursor;
    frame->shown = true;
    return true;
}
