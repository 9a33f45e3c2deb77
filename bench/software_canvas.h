#pragma once

#include <SDL.h>

// A 480x480 RGBA canvas with the software renderer on it, like the screens draw on.
struct SoftwareCanvas {
    SDL_Surface *surface = SDL_CreateRGBSurfaceWithFormat(0, 480, 480, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer *renderer = SDL_CreateSoftwareRenderer(surface);

    SoftwareCanvas() = default;
    SoftwareCanvas(const SoftwareCanvas &) = delete;
    SoftwareCanvas &operator=(const SoftwareCanvas &) = delete;
    ~SoftwareCanvas() {
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }

    // The baseline every frame pays: clearing the whole canvas.
    void clear() const {
        SDL_SetRenderDrawColor(renderer, 20, 24, 28, 255);
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
    }
};
