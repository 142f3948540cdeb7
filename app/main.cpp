// The game's entry point.
#include "app/Startup.h"

int main(int argc, char** argv) {
  return startGame(argc, argv);
}
