// Definitions of the game's global state, with their values before any game.
#include "game/GameState.h"

bool menuActive = true;
std::int16_t menuSelection = 0;
bool controlsShown = false;
bool creditsShown = false;
bool helpFromGame = false;
bool gameOver = false;
bool heistFinished = false;
bool gamePaused = false;

bool musicOn = true;
bool wireframeOn = false;
bool trilinearFiltering = true;
bool fpsShown = false;

bool alarmActive = false;
float alarmStartTime = 0.0f;

TextMessage* statusMessage = nullptr;
double messageTime = 0.0;
std::int16_t messageDuration = 0;
TextMessage* endMessage = nullptr;
float fpsTime = 0.0f;
float fpsLastTime = 0.0f;

std::uint32_t heistStartMs = 0;
std::int32_t guardsShotDown = 0;

Camera* camera = nullptr;
Guard* guard1 = nullptr;
Guard* guard2 = nullptr;
