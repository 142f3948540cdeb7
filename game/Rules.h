// The rule sets a heist is played by: the classic rules (a guard senses the player by
// distance alone, through walls, and the player's shot hits along its whole line) or the
// stealth rules (sight lines, a field of view, light and noise; shots stop at walls), each at
// one of three difficulties. Classic at Normal is the game as it has always played.
#pragma once

#include <cstdint>
#include <string>

enum class Rules : std::uint8_t { Classic, Stealth };
enum class Difficulty : std::uint8_t { Easy, Normal, Hard };

struct RuleSet {
  Rules rules = Rules::Classic;
  Difficulty difficulty = Difficulty::Normal;
  bool operator==(const RuleSet& other) const {
    return rules == other.rules && difficulty == other.difficulty;
  }
  bool operator!=(const RuleSet& other) const { return !(*this == other); }
};

// Every rule set has an index 0..ruleSetCount-1 (classic easy, normal, hard, then stealth's).
constexpr int ruleSetCount = 6;
int ruleSetIndex(const RuleSet& set);
RuleSet ruleSetAt(int index);

// The words of the settings lines and the recorded heists ("classic", "stealth"; "easy",
// "normal", "hard"), and back; the readers take exactly these words.
const char* rulesWord(Rules rules);
const char* difficultyWord(Difficulty difficulty);
bool readRulesWord(const std::string& word, Rules& out);
bool readDifficultyWord(const std::string& word, Difficulty& out);
// "Classic", "Stealth"; "Easy", "Normal", "Hard": for the player's eyes.
const char* rulesTitle(Rules rules);
const char* difficultyTitle(Difficulty difficulty);

// What a difficulty changes: a guard's sight distance, the health a guard's shot takes and
// the time between his shots, as factors of the rules' own figures (Normal: all 1).
struct DifficultyFigures {
  float sightFactor;     // on the sight distance (75 units)
  float shotDamage;      // health points a guard's shot takes
  float shotTimeFactor;  // on the shooting animation's 125 ms a frame, so on the time between
                         // two shots
};
const DifficultyFigures& figuresOf(Difficulty difficulty);

// ---- Chosen: from the settings at start-up, changed by the options; live for the whole run.
// A change takes effect at the next new game, never in the middle of a heist. ----
extern RuleSet chosenRules;
extern bool visibilityMeterShown;  // the stealth rules' meter on the HUD; takes effect at once

void chooseRules(Rules rules);
void chooseDifficulty(Difficulty difficulty);
void showVisibilityMeter(bool shown);

// ---- In force: the heist in play's rules, set by every new game from the choice ----
extern RuleSet playRules;
inline bool stealthRules() { return playRules.rules == Rules::Stealth; }
