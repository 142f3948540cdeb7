// A page of choices drawn with the glyph text over the dimmed game: the pause menu, the
// options and the key bindings. A page is rows of a label and a value; the selected row is
// highlighted. The keys, the pad and the mouse act on the page shown through the functions at
// the end; the renderer draws it from rowAt and the layout below. No GL here.
#pragma once

#include <string>

// What a page waiting for a key may get: a character, 256 + a special key's code, or this
// plus one of the pad's controls (input/PadBindings.h).
constexpr int padControlKeyBase = 1024;

struct MenuRow {
  std::string label;
  std::string value;      // empty for an entry without a value (Resume, Back)
  bool heading = false;   // a section's name: drawn, never selected
  bool steps = true;      // left and right change the value (drawn with arrows when selected)
};

class MenuPage {
 public:
  virtual ~MenuPage() = default;
  virtual const char* title() const = 0;
  virtual int rowCount() const = 0;
  virtual MenuRow rowAt(int index) const = 0;
  // Left (-1) or right (1) on a row with a value.
  virtual void change(int index, int delta) { (void)index, (void)delta; }
  // Enter or a click on a row.
  virtual void choose(int index) = 0;
  // Backspace or Esc on the page: one page back.
  virtual void back() = 0;
  // A page that waits for a key to bind takes the next key, whatever it is; true when taken.
  // `key` is a character, 256 + a special key's code, or padControlKeyBase + a pad control.
  virtual bool takeKey(int key) { (void)key; return false; }
  virtual bool waitingForKey() const { return false; }
  // Called when the page comes up.
  virtual void shown() {}
  // The keys' line at the foot of the page.
  virtual const char* hint() const {
    return "W / S: choose     A / D: change     Enter: select     Esc: back";
  }

  int selected = 0;
  std::string notice;  // one line under the rows (a key moved, the settings not saved)
};

// ---- The layout on the 1024x768 screen (see platform/Screen.h), y downwards ----
namespace menulayout {
constexpr float titleBaseline = 92.0f;
constexpr float firstRowTop = 122.0f;
constexpr float left = 232.0f, right = 792.0f;   // the rows' box
constexpr float valueLeft = 560.0f;              // where the values start
constexpr float noticeBaseline = 722.0f;
// The main menu's entries on its pages: baselines one step apart, each in a box of the
// entries' width from `entryAbove` over to `entryBelow` under its baseline.
constexpr float mainFirstBaseline = 318.0f, mainEntryStep = 70.0f;
constexpr float mainEntryLeft = 322.0f, mainEntryRight = 702.0f;
constexpr float mainEntryAbove = 44.0f, mainEntryBelow = 16.0f;
constexpr int mainEntryCount = 5;
// The main menu's entry at a layout point, or -1.
int mainEntryAtPoint(float x, float y);
// Rows get smaller on a long page, so that every row fits between the title and the notice.
float rowHeight(int rowCount);
// The row at a layout point, or -1.
int rowAtPoint(const MenuPage& page, float x, float y);
}  // namespace menulayout

// Moves the selection by one selectable row (headings are skipped), none past either end.
void selectNextRow(MenuPage& page, int delta);
// The first selectable row at or after `index`.
int firstSelectableRow(const MenuPage& page, int index = 0);
