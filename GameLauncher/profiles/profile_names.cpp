#include "profiles/profile_names.h"
