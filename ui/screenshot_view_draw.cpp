#include "ui/screenshot_view.h"

#include "runtime/text.h"
#include "ui/bitmap_text.h"
#include "ui/bmp_header.h"
#include "ui/screen_style.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t path_capacity = 512;
constexpr size_t longest_name = 500;
constexpr int canvas_width = 480;
constexpr int area_top = 88;
constexpr int area_width = 416;
constexpr int area_height = 294;
constexpr int notice_x = 86;
constexpr int notice_y = 208;

// Draws the picture and returns true, or false when it cannot be shown. A picture whose
// header claims no width or height, or more than the viewer takes, is not decoded at all.
bool draw_picture(SDL_Renderer *renderer, const char *name) {
    char path[path_capacity];
    if (!screenshot_path(name, path, sizeof path) || !bmp_file_fits_bounds(path)) {
        return false;
    }
    SDL_RWops *file = SDL_RWFromFile(path, "rb");
    if (file == nullptr) {
        return false;
    }
    SDL_Surface *image = SDL_LoadBMP_RW(file, 1);
    if (image == nullptr) {
        return false;
    }
    const int width = image->w;
    const int height = image->h;
    SDL_Texture *texture = SDL_CreateTextureFromSurface(renderer, image);
    SDL_FreeSurface(image);
    if (texture == nullptr) {
        return false;
    }
    const SDL_Rect placement = screenshot_placement(width, height);
    SDL_RenderCopy(renderer, texture, nullptr, &placement);
    SDL_DestroyTexture(texture);
    return true;
}

void draw_empty_list(SDL_Renderer *renderer) {
    vortelan_gb_runtime_app_draw_text(renderer, notice_x, notice_y, "NO SCREENSHOTS", 3,
                                      screen_style::label);
    vortelan_gb_runtime_app_draw_text(renderer, notice_x, 258, "PRESS ANY BUTTON", 2,
                                      screen_style::dim);
}

void draw_shown_picture(SDL_Renderer *renderer, const ScreenshotView *view) {
    const char *name = view->shots.names[view->index];
    if (!draw_picture(renderer, name)) {
        vortelan_gb_runtime_app_draw_text(renderer, notice_x, notice_y, "LOAD FAILED", 3,
                                          screen_style::label);
    }
    char counter[32];
    std::snprintf(counter, sizeof counter, "%u/%u", view->index + 1, view->shots.count);
    vortelan_gb_runtime_app_draw_text(renderer, 22, 398, counter, 2, screen_style::label);
    vortelan_gb_runtime_app_draw_text_fit(renderer, 116, 402, name, 1, screen_style::value, 342);
    if (view->message[0] != '\0') {
        vortelan_gb_runtime_app_draw_text_fit(renderer, 22, 424, view->message, 1,
                                              screen_style::dim, 436);
    }
}

void draw_delete_dialog(SDL_Renderer *renderer, bool yes_selected) {
    const SDL_Rect frame = {48, 160, 384, 150};
    screen_style::fill(renderer, frame.x, frame.y, frame.w, frame.h, screen_style::panel);
    SDL_SetRenderDrawColor(renderer, 86, 162, 126, 255);
    SDL_RenderDrawRect(renderer, &frame);
    vortelan_gb_runtime_app_draw_text(renderer, 90, 190, "DELETE FILE", 4, screen_style::title);
    screen_style::draw_yes_no(renderer, vortelan_gb_runtime_app_draw_text, yes_selected, 270,
                              screen_style::value);
}

} // namespace

bool screenshot_path(const char *name, char *path, size_t capacity) {
    path[0] = '\0';
    const size_t length = std::strlen(name);
    if (length == 0 || length > longest_name || std::strpbrk(name, "/\\") != nullptr) {
        return false;
    }
    return vortelan_gb_runtime_join_path(path, capacity, "screenshot", name);
}

SDL_Rect screenshot_placement(int width, int height) {
    int zoom = std::min(area_width / width, area_height / height);
    if (zoom <= 0) {
        zoom = 1;
    }
    const int shown_width = zoom * width;
    const int shown_height = zoom * height;
    return {(canvas_width - shown_width) / 2, area_top + (area_height - shown_height) / 2,
            shown_width, shown_height};
}

void draw_screenshot_view(SDL_Renderer *renderer, const ScreenshotView *view) {
    screen_style::clear(renderer);
    vortelan_gb_runtime_app_draw_text(renderer, 22, 20, "SCREENSHOT VIEW", 3, screen_style::title);
    if (view->shots.count == 0) {
        draw_empty_list(renderer);
    } else {
        draw_shown_picture(renderer, view);
        if (view->dialog_open) {
            draw_delete_dialog(renderer, view->yes_selected);
        }
        vortelan_gb_runtime_app_draw_text(
            renderer, 22, 452, "ARROWS CHANGE   DEL DELETE   ENTER ESC MENU", 1, screen_style::dim);
    }
    SDL_RenderPresent(renderer);
}
