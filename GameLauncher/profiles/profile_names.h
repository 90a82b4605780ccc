// Which typed names can become a profile file, and how a name is cut to fit.
#pragma once
