#include "platform/Gamepads.h"

namespace {

pad::Button ButtonFor(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return pad::Button::A;
    case SDL_CONTROLLER_BUTTON_B: return pad::Button::B;
    case SDL_CONTROLLER_BUTTON_START: return pad::Button::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return pad::Button::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return pad::Button::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return pad::Button::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return pad::Button::DpadRight;
    default: return pad::Button::Other;
  }
}

pad::Axis AxisFor(Uint8 axis) {
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) return pad::Axis::LeftX;
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) return pad::Axis::LeftY;
  return pad::Axis::Other;
}

}  // namespace

Gamepads::~Gamepads() {
  for (const auto& [id, controller] : controllers_) SDL_GameControllerClose(controller);
  if (open_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::Adopt(int device) {
  SDL_GameController* controller = SDL_GameControllerOpen(device);
  if (!controller) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (controllers_.count(id) || !keys_.Plugged(id)) {
    SDL_GameControllerClose(controller);
    return;
  }
  controllers_[id] = controller;
}

bool Gamepads::Open() {
  open_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  return open_;
}

std::vector<pad::KeyChange> Gamepads::KeyChangesFor(const SDL_Event& e) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: Adopt(e.cdevice.which); return {};
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto it = controllers_.find(e.cdevice.which);
      if (it == controllers_.end()) return {};
      SDL_GameControllerClose(it->second);
      controllers_.erase(it);
      const std::vector<pad::KeyChange> released = keys_.Unplugged(e.cdevice.which);
      // A pad that found both places taken gets the one now free.
      for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        if (SDL_IsGameController(device) && !controllers_.count(SDL_JoystickGetDeviceInstanceID(device))) {
          Adopt(device);
        }
      }
      return released;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      return keys_.ButtonChanged(e.cbutton.which, ButtonFor(e.cbutton.button), e.type == SDL_CONTROLLERBUTTONDOWN);
    case SDL_CONTROLLERAXISMOTION: return keys_.AxisMoved(e.caxis.which, AxisFor(e.caxis.axis), e.caxis.value);
    default: return {};
  }
}
