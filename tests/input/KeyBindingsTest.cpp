// The key table: a key is bound to one action only (binding it elsewhere moves it and says
// from where), the keys that run the menus are never bound, and the settings values read and
// write every key.
#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include "input/KeyBindings.h"

TEST(KeyBindings, AKeyBoundElsewhereMovesAndTheMenusKeysAreNeverBound) {
  KeyBindings keys = KeyBindings::defaults();
  EXPECT_EQ(actionForKey(keys, 'w'), KeyAction::WalkForward);
  EXPECT_EQ(actionForKey(keys, 'W'), KeyAction::WalkForward);  // releases with Shift held
  EXPECT_EQ(actionForKey(keys, specialKeyBase + GLUT_KEY_LEFT), KeyAction::StrafeLeft);
  EXPECT_EQ(actionForKey(keys, 'f'), KeyAction::Count);

  EXPECT_EQ(bindKey(keys, KeyAction::Take, 1, 'f'), KeyAction::Count);
  EXPECT_EQ(actionForKey(keys, 'f'), KeyAction::Take);
  EXPECT_EQ(actionForKey(keys, 't'), KeyAction::Take);
  // 'q' moves from leaving to taking; the slot it leaves is empty.
  EXPECT_EQ(bindKey(keys, KeyAction::Take, 0, 'Q'), KeyAction::Leave);
  EXPECT_EQ(keys.at(KeyAction::Leave, 0), noKey);
  EXPECT_EQ(actionForKey(keys, 't'), KeyAction::Count);
  // Within one action a key moves between its slots, leaving no double.
  EXPECT_EQ(bindKey(keys, KeyAction::Take, 1, 'q'), KeyAction::Count);
  EXPECT_EQ(keys.at(KeyAction::Take, 0), noKey);

  for (int key : {27, 13, 8, 9, specialKeyBase + GLUT_KEY_F1, specialKeyBase + GLUT_KEY_F12, 0}) {
    EXPECT_FALSE(bindableKey(key)) << key;
  }
  for (int key : {int{'a'}, int{'1'}, int{';'}, int{' '}, 127, specialKeyBase + GLUT_KEY_PAGE_UP}) {
    EXPECT_TRUE(bindableKey(key)) << key;
  }
}

TEST(KeyBindings, SettingsValuesNameEveryKeyAndRefuseWhatCannotBeBound) {
  std::array<int, keysPerAction> keys{};
  std::string problem;
  for (const char* value : {"w up", "space", "none", "; delete", "page-down home"}) {
    ASSERT_TRUE(parseKeyList(value, keys, problem)) << value << ": " << problem;
    EXPECT_EQ(formatKeyList(keys), value);
  }
  const struct { const char* value; const char* problem; } refused[] = {
      {"", "no key (\"none\" leaves the action without one)"},
      {"w up down", "more than two keys"},
      {"w w", "the same key twice"},
      {"none w", "\"none\" and a key"},
      {"=", "\"=\" is not a key that can be bound"},
      {"W", "\"W\" is not a key that can be bound"},
      {"escape", "\"escape\" is not a key that can be bound"},
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(parseKeyList(c.value, keys, problem)) << c.value;
    EXPECT_EQ(problem, c.problem) << c.value;
  }
}
