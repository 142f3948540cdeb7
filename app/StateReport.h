// A short text statement of the game's state, one "name value..." pair a line, which the
// replay driver prints at the end of a run and scenario tests compare with expected values.
#pragma once

#include <string>

std::string gameStateReport();
