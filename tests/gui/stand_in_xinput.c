/* A stand-in xinput1_4.dll for the GUI tests. Slot 0 reads stand_in_pad.txt in the working
   directory at each call, "buttons lx ly" (wButtons in hex, the left thumb as decimal shorts);
   no file, or one that does not read so, is a pad not connected, as slots 1 to 3 always are. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <xinput.h>

#define EXPORT __declspec(dllexport)

static XINPUT_GAMEPAD scripted; /* slot 0's state as last read */

/* What XInput answers for the slot; slot 0's state read into `scripted`. */
static DWORD slot(DWORD index, BOOL argumentsValid) {
    static const long low[] = {0, -32768, -32768}, high[] = {0xFFFF, 32767, 32767};
    char line[128], *text, *end;
    long value[3];
    FILE* file;
    int i;
    if (index >= XUSER_MAX_COUNT || !argumentsValid) return ERROR_BAD_ARGUMENTS;
    if (index != 0 || !(file = fopen("stand_in_pad.txt", "r"))) return ERROR_DEVICE_NOT_CONNECTED;
    text = fgets(line, sizeof line, file) ? line : "";
    fclose(file);
    for (i = 0; i < 3; ++i, text = end) {
        value[i] = strtol(text, &end, i == 0 ? 16 : 10);
        if (end == text || value[i] < low[i] || value[i] > high[i])
            return ERROR_DEVICE_NOT_CONNECTED;
    }
    scripted = (XINPUT_GAMEPAD){(WORD)value[0], 0, 0, (SHORT)value[1], (SHORT)value[2], 0, 0};
    return ERROR_SUCCESS;
}

EXPORT DWORD WINAPI XInputGetState(DWORD index, XINPUT_STATE* state) {
    static XINPUT_GAMEPAD last; /* the packet number changes with the state, as XInput's does */
    static DWORD packet;
    DWORD result = slot(index, state != NULL);
    if (result != ERROR_SUCCESS) return result;
    state->dwPacketNumber = packet += memcmp(&scripted, &last, sizeof last) != 0;
    state->Gamepad = last = scripted;
    return result;
}

EXPORT DWORD WINAPI XInputGetCapabilities(DWORD index, DWORD flags, XINPUT_CAPABILITIES* caps) {
    DWORD result = slot(index, caps != NULL);
    (void)flags;
    if (result != ERROR_SUCCESS) return result;
    ZeroMemory(caps, sizeof *caps);
    caps->Type = XINPUT_DEVTYPE_GAMEPAD;
    caps->SubType = XINPUT_DEVSUBTYPE_GAMEPAD;
    caps->Gamepad.wButtons = 0xF3FF; /* every button but the reserved bits */
    caps->Gamepad.sThumbLX = caps->Gamepad.sThumbLY = 32767;
    return result;
}

EXPORT void WINAPI XInputEnable(BOOL enable) { (void)enable; }

EXPORT DWORD WINAPI XInputSetState(DWORD index, XINPUT_VIBRATION* vibration) {
    (void)vibration;
    return slot(index, TRUE);
}
