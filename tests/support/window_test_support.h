// For the tests that build widgets: the window layer's program-wide state
// put back to its start-up values, with the logic's.
#pragma once

#include <FL/forms.H>

#include "support/test_support.h"
#include "ui/input_watch.h"
#include "ui/keyboard_navigation.h"
#include "ui/launcher_window.h"
#include "ui/scale.h"
#include "ui/unsaved_settings.h"

namespace test_support {

// Deletes the window (and the picture made at its scale) and puts back the
// scale, the "not saved" state, the held keys, the focus and the logic's
// state; the Forms layer's coordinates are top-down, as fl_initialize
// leaves them.
inline void resetLauncherAndWindowState() {
    fl_flip = 0;
    destroyLauncherWindow();
    resetKeyboardNavigation();
    setUiScale(1);
    resetUnsavedSettings();
    resetInputWatch();
    resetLauncherState();
}

}  // namespace test_support
