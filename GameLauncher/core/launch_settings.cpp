#include "core/launch_settings.h"
