/* A stand-in xinput1_4.dll for the GUI tests: slot 0 is a pad that the test
   scripts through the file stand_in_pad.txt in the working directory, one
   line "buttons lx ly" (wButtons in hex, the left thumb as decimal shorts),
   read at each call. No file, or one that does not read so: not connected.
   Slots 1 to 3 are never connected. */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <xinput.h>

#define EXPORT __declspec(dllexport)

/* The number at *text, in [low, high]; FALSE when there is none. */
static BOOL readNumber(const char** text, int base, long low, long high, long* value) {
    char* end;
    errno = 0;
    *value = strtol(*text, &end, base);
    if (end == *text || errno != 0 || *value < low || *value > high) return FALSE;
    *text = end;
    return TRUE;
}

/* Slot 0's state from the file; FALSE when the pad counts as unplugged. */
static BOOL scriptedPad(XINPUT_GAMEPAD* pad) {
    char line[128];
    const char* text = line;
    long buttons, x, y;
    FILE* file = fopen("stand_in_pad.txt", "r");
    if (!file) return FALSE;
    text = fgets(line, sizeof line, file);
    fclose(file);
    if (!text || !readNumber(&text, 16, 0, 0xFFFF, &buttons) ||
        !readNumber(&text, 10, -32768, 32767, &x) || !readNumber(&text, 10, -32768, 32767, &y)) {
        return FALSE;
    }
    ZeroMemory(pad, sizeof *pad);
    pad->wButtons = (WORD)buttons;
    pad->sThumbLX = (SHORT)x;
    pad->sThumbLY = (SHORT)y;
    return TRUE;
}

EXPORT DWORD WINAPI XInputGetState(DWORD index, XINPUT_STATE* state) {
    /* The packet number changes with the state, as XInput's does. */
    static XINPUT_GAMEPAD last;
    static DWORD packet;
    XINPUT_GAMEPAD pad;
    if (index >= XUSER_MAX_COUNT || !state) return ERROR_BAD_ARGUMENTS;
    if (index != 0 || !scriptedPad(&pad)) return ERROR_DEVICE_NOT_CONNECTED;
    if (memcmp(&pad, &last, sizeof pad) != 0) ++packet;
    last = pad;
    state->dwPacketNumber = packet;
    state->Gamepad = pad;
    return ERROR_SUCCESS;
}

EXPORT DWORD WINAPI XInputGetCapabilities(DWORD index, DWORD flags, XINPUT_CAPABILITIES* caps) {
    XINPUT_GAMEPAD pad;
    (void)flags;
    if (index >= XUSER_MAX_COUNT || !caps) return ERROR_BAD_ARGUMENTS;
    if (index != 0 || !scriptedPad(&pad)) return ERROR_DEVICE_NOT_CONNECTED;
    ZeroMemory(caps, sizeof *caps);
    caps->Type = XINPUT_DEVTYPE_GAMEPAD;
    caps->SubType = XINPUT_DEVSUBTYPE_GAMEPAD;
    caps->Gamepad.wButtons = 0xF3FF; /* every button but the reserved bits */
    caps->Gamepad.sThumbLX = caps->Gamepad.sThumbLY = 32767;
    return ERROR_SUCCESS;
}

EXPORT void WINAPI XInputEnable(BOOL enable) { (void)enable; }

EXPORT DWORD WINAPI XInputSetState(DWORD index, XINPUT_VIBRATION* vibration) {
    XINPUT_GAMEPAD pad;
    (void)vibration;
    if (index >= XUSER_MAX_COUNT) return ERROR_BAD_ARGUMENTS;
    return index == 0 && scriptedPad(&pad) ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
}
