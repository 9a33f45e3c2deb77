#include "app/menu_program.h"

#include <SDL.h>

// SDL.h turns this into SDL_main where the platform's own entry point must come first.
int main(int argc, char *argv[]) {
    return vortelan_gb_runtime_menu_main(argc, argv);
}
