/* A stand-in xinput1_4.dll for the GUI tests, with what the launcher calls of XInput. Slot 0
   reads stand_in_pad.txt in the working directory at each call, "buttons lx ly" (wButtons in
   hex, the left thumb as decimal shorts); no file is a pad not connected, as slots 1 to 3 are. */
#include <stdio.h>
#include <string.h>
#include <windows.h>
#include <xinput.h>

__declspec(dllexport) DWORD WINAPI XInputGetState(DWORD index, XINPUT_STATE* state) {
    static XINPUT_GAMEPAD last; /* the packet number changes with the state, as XInput's does */
    static DWORD packet;
    XINPUT_GAMEPAD pad = {0};
    unsigned buttons = 0;
    int x = 0, y = 0;
    FILE* file = index == 0 ? fopen("stand_in_pad.txt", "r") : NULL;
    if (!file) return ERROR_DEVICE_NOT_CONNECTED;
    const int read = fscanf(file, "%x %d %d", &buttons, &x, &y);
    fclose(file);
    if (read != 3) return ERROR_DEVICE_NOT_CONNECTED;
    pad.wButtons = (WORD)buttons, pad.sThumbLX = (SHORT)x, pad.sThumbLY = (SHORT)y;
    state->dwPacketNumber = packet += memcmp(&pad, &last, sizeof last) != 0;
    state->Gamepad = last = pad;
    return ERROR_SUCCESS;
}
