// The sounds the game's rules ask for, by name. The rules never touch the sound library: they
// name a cue, and the player that audio/ registers at start-up plays it. Without a player (a
// test of the rules alone) every cue is silent.
#pragma once

enum class Cue {
  MenuMusic,   // loops while the menu is shown
  GameMusic,   // loops while a game is played
  MenuMoved,   // the menu selection moved
  Gunshot,     // the player fires
  Taken,       // an object went into the bag
  BagEmptied,  // the bag emptied at the drop zone
  BagFull,     // the bag cannot take what was asked
  GuardHit,    // the player's shot hit a guard
  Footsteps,   // walking; played back to back while the player walks
  GuardFires,  // a guard fires at the player
};

class CuePlayer {
 public:
  virtual ~CuePlayer() = default;
  virtual void play(Cue cue) = 0;
  virtual void stop(Cue cue) = 0;
  virtual bool playing(Cue cue) const = 0;
  // The music at half its volume (true) or back at full volume.
  virtual void dimMusic(bool dimmed) = 0;
};

// The player every cue goes to from now on; null silences them. Not owned.
void setCuePlayer(CuePlayer* player);

void playCue(Cue cue);
void stopCue(Cue cue);
bool cuePlaying(Cue cue);
void dimMusicCue(bool dimmed);
