#pragma once

// The oracle shared by the name fuzz targets: a code that a name gave reads back from its own
// name, except where SDL's own naming cannot be read back by SDL's own lookup.

#include "input/binding_code.h"

// Keycodes 'A'..'Z' (upper case). SDL's lookup reads any one-character UTF-8 text as that
// character's keycode without checking that the encoding is the shortest one, so an
// over-long form such as "\xC1\x81" gives 'A' (65). No keyboard sends that keycode, and SDL
// names it "A", which its lookup reads as the letter key 'a' (97).
inline bool is_upper_case_letter_keycode(BindingCode code) {
    return code >= 'A' && code <= 'Z';
}
