#ifndef GB_RUNTIME_INPUT_BINDING_NAMES_H
#define GB_RUNTIME_INPUT_BINDING_NAMES_H

// Text names of binding codes, both ways: the names the settings file stores and
// the screens show. Needs no SDL_Init: SDL's key-name functions work without it.

#include "input/binding_code.h"

// Never null; empty when SDL has no name for a keycode. Formatted names live in a ring of
// eight buffers, and SDL's own names of character keys in SDL's one static buffer: copy the
// result before asking for the next name.
const char *vortelan_gb_runtime_key_config_key_name(BindingCode code);

// 0 when the text names nothing (and for a null text). Tries the device-scoped grammar
// ("PAD@id:..." / "JOY@id:...", which gives a new identity a slot of binding_devices), then
// the plain grammar, ending with SDL's key lookup.
BindingCode vortelan_gb_runtime_key_config_key_from_name(const char *text);

#endif
