// The pause: play stands still while the player is away. 'p' in play pauses and resumes;
// losing the keyboard pauses, and only 'p' (or Esc, to the menu) ends it.
#pragma once

// True in play: not the menu, its pages or the end screens.
bool inPlay();

// In play and not yet paused: the game clock stops, the held directions are released, the
// music drops to half its volume and the pointer is shown and left free.
void pauseGame();

// Ends the pause: the clock goes on from where it stood, the music is back at full volume,
// the pointer is hidden and set at the window's centre, so the view does not jump.
void resumeGame();

// 'p': pauses in play, resumes while paused.
void togglePause();
