// Windows side of the game controllers: XInput's four slots, polled. The
// library is loaded at run time, so that a system without it still runs the
// launcher (without pads).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <xinput.h>

#include "platform/gamepad.h"
#include "platform/xinput_pad.h"

namespace platform {

namespace {

using GetState = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);

GetState xinputGetState = nullptr;
bool xinputLoadTried = false;

struct Slot {
    bool open = false;
    XInputPad decoder;
};
Slot slots[XUSER_MAX_COUNT];

void loadXInput() {
    if (xinputLoadTried) return;
    xinputLoadTried = true;
    // From the system directory only: the DLL search would otherwise also
    // look in the program's directory (the game's installation) and the
    // working directory, where anyone who can write there could plant one.
    for (const wchar_t* name : {L"xinput1_4.dll", L"xinput9_1_0.dll"}) {
        HMODULE library = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library) continue;
        FARPROC found = GetProcAddress(library, "XInputGetState");
        if (found) {
            xinputGetState = reinterpret_cast<GetState>(reinterpret_cast<void*>(found));
            return;
        }
        FreeLibrary(library);
    }
}

}  // namespace

void scanGamepads() {
    loadXInput();
    if (!xinputGetState) return;
    for (DWORD index = 0; index < XUSER_MAX_COUNT; ++index) {
        XINPUT_STATE state = {};
        if (!slots[index].open && xinputGetState(index, &state) == ERROR_SUCCESS) {
            slots[index].open = true;
        }
    }
}

bool gamepadConnected() {
    for (const Slot& slot : slots) {
        if (slot.open) return true;
    }
    return false;
}

std::vector<int> gamepadDescriptors() { return {}; }

PadState readGamepads() {
    PadState merged;
    for (DWORD index = 0; index < XUSER_MAX_COUNT; ++index) {
        Slot& slot = slots[index];
        if (!slot.open) continue;
        XINPUT_STATE state = {};
        if (xinputGetState(index, &state) != ERROR_SUCCESS) {
            slot = Slot();  // unplugged: a pad plugged in there later starts afresh
            continue;
        }
        const XINPUT_GAMEPAD& pad = state.Gamepad;
        merged |= slot.decoder.decode(pad.wButtons, pad.sThumbLX, pad.sThumbLY);
    }
    return merged;
}

void closeGamepads() {
    for (Slot& slot : slots) slot = Slot();
}

}  // namespace platform
