// The pause menu: Resume, Options, Controls, Main menu, Quit, over the dimmed museum.
#pragma once

class MenuPage;

// The one pause menu, live for the whole run; it comes up with Resume selected.
MenuPage& pauseMenu();
