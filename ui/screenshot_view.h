#pragma once

#include "menu/choice_list.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>

// What one run of the screenshot viewer shows: the list scanned on entry, the picture shown,
// the delete dialog and the note under the picture.
struct ScreenshotView {
    ChoiceList shots;
    uint32_t index;
    bool dialog_open;
    bool yes_selected;
    char message[128];
};

// "screenshot/" + name, for a name that is not empty, has no '/' or '\' and is at most 500
// bytes long; false otherwise (the path is then empty).
bool screenshot_path(const char *name, char *path, size_t capacity);

// Where a picture of this size goes in the 416 by 294 area below the title: the largest
// whole zoom that fits (at least 1), centred. Larger pictures overflow the area.
SDL_Rect screenshot_placement(int width, int height);

// Paints and presents the whole frame, loading the shown picture from disk.
void draw_screenshot_view(SDL_Renderer *renderer, const ScreenshotView *view);
