#include "shell/media/gamepad_sdl.h"

#include <algorithm>
#include <vector>

#include "shell/media/input.h"
#include "shell/media/input_script.h"
#include "shell/media/messages.h"

namespace media::gamepad {

namespace {

struct Pad {
    SDL_JoystickID id = -1;
    SDL_GameController* controller = nullptr;
    // The sticks as last reported, each axis from -1 to 1.
    float leftX = 0, leftY = 0, rightX = 0, rightY = 0;
};

std::vector<Pad> pads;
bool started = false;
SDL_Joystick* virtualPad = nullptr;  // the scripts' pad, while plugged in

bool gameButton(Uint8 button, PadButton& out) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: out = PadButton::A; return true;
        case SDL_CONTROLLER_BUTTON_B: out = PadButton::B; return true;
        case SDL_CONTROLLER_BUTTON_X: out = PadButton::X; return true;
        case SDL_CONTROLLER_BUTTON_Y: out = PadButton::Y; return true;
        case SDL_CONTROLLER_BUTTON_START: out = PadButton::Start; return true;
        case SDL_CONTROLLER_BUTTON_BACK: out = PadButton::Back; return true;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: out = PadButton::LeftShoulder; return true;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: out = PadButton::RightShoulder; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_UP: out = PadButton::Up; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: out = PadButton::Down; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: out = PadButton::Left; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: out = PadButton::Right; return true;
        default: return false;
    }
}

// The SDL button a script names, in the order of InputScript::padButtonNames.
constexpr SDL_GameControllerButton kScriptButtons[] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_START,      SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,  SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};

Pad* find(SDL_JoystickID id) {
    auto it = std::find_if(pads.begin(), pads.end(), [&](const Pad& p) { return p.id == id; });
    return it == pads.end() ? nullptr : &*it;
}

void open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (find(id)) {
        SDL_GameControllerClose(controller);  // already ours; SDL counts the opens
        return;
    }
    pads.push_back({id, controller});
    const char* name = SDL_GameControllerName(controller);
    Print(std::string("GAMEPAD : plugged in ") + (name ? name : "(no name)"));
}

void close(SDL_JoystickID id) {
    Pad* pad = find(id);
    if (!pad) return;
    SDL_GameControllerClose(pad->controller);
    pads.erase(pads.begin() + (pad - pads.data()));
    Print("GAMEPAD : unplugged");
    inputPadUnplugged();
}

float axisValue(Sint16 v) { return std::max(-1.0f, float(v) / 32767.0f); }

}  // namespace

void start() {
    if (started) return;
    started = true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        Print(std::string("No gamepad support: ") + SDL_GetError());
        return;
    }
    // Pads present at start arrive as device-added events as well.
    SDL_GameControllerEventState(SDL_ENABLE);
}

bool handle(const SDL_Event& ev) {
    switch (ev.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(ev.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(ev.cdevice.which);
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            PadButton button;
            if (find(ev.cbutton.which) && gameButton(ev.cbutton.button, button))
                inputPadButton(button, ev.type == SDL_CONTROLLERBUTTONDOWN);
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            Pad* pad = find(ev.caxis.which);
            if (!pad) return true;
            const float v = axisValue(ev.caxis.value);
            switch (ev.caxis.axis) {
                case SDL_CONTROLLER_AXIS_LEFTX: pad->leftX = v; inputPadLeftStick(pad->leftX, pad->leftY); break;
                case SDL_CONTROLLER_AXIS_LEFTY: pad->leftY = v; inputPadLeftStick(pad->leftX, pad->leftY); break;
                case SDL_CONTROLLER_AXIS_RIGHTX: pad->rightX = v; inputPadRightStick(pad->rightX, pad->rightY); break;
                case SDL_CONTROLLER_AXIS_RIGHTY: pad->rightY = v; inputPadRightStick(pad->rightX, pad->rightY); break;
                default: break;
            }
            return true;
        }
        default:
            return false;
    }
}

void scripted(const ScriptEvent& e) {
    start();
    switch (e.kind) {
        case ScriptEvent::PadPlug: {
            if (virtualPad) return;
            SDL_VirtualJoystickDesc desc;
            SDL_zero(desc);
            desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
            desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            desc.naxes = SDL_CONTROLLER_AXIS_MAX;
            desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            desc.name = "Scripted gamepad";
            const int index = SDL_JoystickAttachVirtualEx(&desc);
            virtualPad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
            if (!virtualPad) Print(std::string("No scripted gamepad: ") + SDL_GetError());
            return;
        }
        case ScriptEvent::PadUnplug: {
            if (!virtualPad) return;
            const int instance = SDL_JoystickInstanceID(virtualPad);
            SDL_JoystickClose(virtualPad);
            virtualPad = nullptr;
            for (int i = 0; i < SDL_NumJoysticks(); ++i)
                if (SDL_JoystickGetDeviceInstanceID(i) == instance) SDL_JoystickDetachVirtual(i);
            return;
        }
        case ScriptEvent::PadDown:
        case ScriptEvent::PadUp: {
            const auto& names = InputScript::padButtonNames();
            const auto at = std::find(names.begin(), names.end(), e.text);
            if (!virtualPad || at == names.end()) return;
            SDL_JoystickSetVirtualButton(virtualPad, kScriptButtons[at - names.begin()],
                                         e.kind == ScriptEvent::PadDown ? SDL_PRESSED : SDL_RELEASED);
            // The pad reports its state when it is updated: at once, so a
            // press and its release in one frame are both reported.
            SDL_JoystickUpdate();
            return;
        }
        case ScriptEvent::Stick: {
            if (!virtualPad) return;
            const bool left = e.text == "left";
            auto value = [](int thousandths) { return Sint16(std::clamp(thousandths * 32767 / 1000, -32768, 32767)); };
            SDL_JoystickSetVirtualAxis(virtualPad, left ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_RIGHTX, value(e.x));
            SDL_JoystickSetVirtualAxis(virtualPad, left ? SDL_CONTROLLER_AXIS_LEFTY : SDL_CONTROLLER_AXIS_RIGHTY, value(e.y));
            SDL_JoystickUpdate();
            return;
        }
        default:
            return;
    }
}

}  // namespace media::gamepad
