// --data DIR: the game runs with DIR as its working folder and reads every file as data/...
// below it, as it does from the source tree.
#pragma once

#include <string>

// Makes folder the working folder when it holds a data/ folder. Otherwise changes nothing and
// returns false with `error` saying what is wrong, naming the folder.
bool enterDataFolder(const std::string& folder, std::string& error);
