#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// What the picture in the window was last drawn from. A screen's loop draws and presents
// only when the frame would differ from the one shown, so that a menu nobody touches costs
// next to nothing; every frame that is drawn is still drawn whole from the state.
struct PresentedFrame {
    MenuState state;
    int cursor;
    bool shown; // false: the window's picture is lost or was never drawn
};

// The window must be drawn again whatever the state: nothing shown yet, or its picture was
// lost or painted over.
void presented_frame_forget(PresentedFrame *frame);

// True when the frame drawn from state and cursor would differ from the one presented; the
// caller then draws it, and it counts as presented from here on.
bool presented_frame_needs_drawing(PresentedFrame *frame, const MenuState *state, int cursor);
