#pragma once

#include "input/binding_code.h"

#include <SDL.h>

namespace gb_test {

// Bindings of the pad's buttons as the menu's bindings name them ("PAD_A", ...).
constexpr BindingCode pad_button(SDL_GameControllerButton button) {
    return binding_code::unscoped(binding_code::Kind::controller_button, button);
}

// A virtual game controller (SDL's default mapping: button 0 is A, 1 is B, 14 is the right
// of the direction pad), opened through the menu's controller registry with the first state
// report dropped. Its inputs become real SDL events in the queue, in order with pushed ones.
class VirtualPad {
  public:
    VirtualPad();
    // A device of another type (a flight stick, ...) whose axis SDL first sees at rest, as
    // it sees an analog trigger: the registry opens it with the axis already there.
    VirtualPad(SDL_JoystickType type, int resting_axis, Sint16 rest);
    SDL_JoystickID instance_id() const { return id; }
    // Sets the input and lets SDL queue the events that this makes.
    void button(int index, bool down) const;
    void axis(int index, Sint16 value) const;
    void press(int index) const;
    // Detaches the pad, held buttons and all, and lets SDL queue the removal.
    void unplug() const;

  private:
    SDL_JoystickID id;
};

} // namespace gb_test
