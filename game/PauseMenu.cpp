// The pause menu's rows and what each does.
#include "game/PauseMenu.h"

#include "game/MenuPage.h"
#include "game/Screen.h"

namespace {

enum Row { Resume, Options, Controls, MainMenu, Quit, RowCount };

class PauseMenu : public MenuPage {
 public:
  const char* title() const override { return "PAUSED - press p to go on"; }
  int rowCount() const override { return RowCount; }
  MenuRow rowAt(int index) const override {
    static const char* const labels[RowCount] = {"Resume", "Options", "Controls", "Main menu",
                                                 "Quit"};
    return MenuRow{labels[index], "", false};
  }
  void choose(int index) override {
    switch (index) {
      case Resume: resumeGame(); break;
      case Options: openOptions(); break;
      case Controls: openPauseControls(); break;
      case MainMenu: escapeToMenu(); break;
      case Quit:
        if (quitProgram != nullptr) quitProgram();
        break;
      default: break;
    }
  }
  // Esc in the pause menu does what it does in play: the heist is left for the main menu.
  void back() override { escapeToMenu(); }
  void shown() override { selected = Resume, notice.clear(); }
  const char* hint() const override {
    return "W / S: choose     Enter: select     P: go on     Esc: main menu";
  }
};

}  // namespace

MenuPage& pauseMenu() {
  static PauseMenu menu;
  return menu;
}
