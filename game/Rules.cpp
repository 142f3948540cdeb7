// The rule sets' names, the difficulties' figures, and the choice that the next new game takes.
#include "game/Rules.h"

RuleSet chosenRules;
bool visibilityMeterShown = true;
RuleSet playRules;

namespace {

// Easy sees less far, hits softer and fires less often; hard the other way round.
const DifficultyFigures difficultyFigures[3] = {
    {0.8f, 20.0f, 1.5f},   // easy
    {1.0f, 30.0f, 1.0f},   // normal: the rules' own figures
    {1.2f, 40.0f, 0.75f},  // hard
};

const char* const rulesWords[2] = {"classic", "stealth"};
const char* const difficultyWords[3] = {"easy", "normal", "hard"};
const char* const rulesTitles[2] = {"Classic", "Stealth"};
const char* const difficultyTitles[3] = {"Easy", "Normal", "Hard"};

}  // namespace

int ruleSetIndex(const RuleSet& set) {
  return static_cast<int>(set.rules) * 3 + static_cast<int>(set.difficulty);
}

RuleSet ruleSetAt(int index) {
  RuleSet set;
  set.rules = static_cast<Rules>(index / 3);
  set.difficulty = static_cast<Difficulty>(index % 3);
  return set;
}

const char* rulesWord(Rules rules) {
  return rulesWords[static_cast<int>(rules)];
}

const char* difficultyWord(Difficulty difficulty) {
  return difficultyWords[static_cast<int>(difficulty)];
}

const char* rulesTitle(Rules rules) {
  return rulesTitles[static_cast<int>(rules)];
}

const char* difficultyTitle(Difficulty difficulty) {
  return difficultyTitles[static_cast<int>(difficulty)];
}

bool readRulesWord(const std::string& word, Rules& out) {
  for (int i = 0; i < 2; ++i) {
    if (word != rulesWords[i]) continue;
    out = static_cast<Rules>(i);
    return true;
  }
  return false;
}

bool readDifficultyWord(const std::string& word, Difficulty& out) {
  for (int i = 0; i < 3; ++i) {
    if (word != difficultyWords[i]) continue;
    out = static_cast<Difficulty>(i);
    return true;
  }
  return false;
}

const DifficultyFigures& figuresOf(Difficulty difficulty) {
  return difficultyFigures[static_cast<int>(difficulty)];
}

void chooseRules(Rules rules) {
  chosenRules.rules = rules;
}

void chooseDifficulty(Difficulty difficulty) {
  chosenRules.difficulty = difficulty;
}

void showVisibilityMeter(bool shown) {
  visibilityMeterShown = shown;
}
