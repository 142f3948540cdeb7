// The end of a game: what the heist brought, entered in the player's record when he got out,
// and the lines of the results panel under the verdict.
#pragma once

#include <string>
#include <vector>

#include "game/ScoreRecord.h"

// The game that ended last: set by finishHeist, cleared by every new game.
struct HeistSummary {
  bool ended = false;      // a game has ended since the last new game
  bool caught = false;     // game over: the record was read, not added to
  HeistResult result;      // this game
  bool recordKept = false; // the record could be read (and, after an escape, written)
  bool recordRead = false; // the record could be read, kept or not
  bool hasBest = false;
  HeistResult best;        // the best so far, this one included when it won
  bool newBest = false;
};
extern HeistSummary lastHeist;

// This game's result as it stands now: what was taken, the score, the time since the new
// game on the game clock, the health left and the guards brought down, dated now.
HeistResult currentHeistResult();

// Ends the game's book-keeping: an escape (caught false) is added to the player's record, a
// game over only reads the best from it. A record file that is no record is moved aside with
// one line on standard output; a folder that cannot be used is reported once a run, and the
// game goes on without the record.
void finishHeist(bool caught);

// The panel's lines, top to bottom.
std::vector<std::string> resultsPanelLines(const HeistSummary& summary);
