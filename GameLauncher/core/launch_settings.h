// The launch settings file that Start Game writes, and the join that makes
// the game's settings file from it and the game's own settings.
#pragma once
