// The pages' layout and selection.
#include "game/MenuPage.h"

#include <algorithm>

#include "game/Cues.h"

namespace menulayout {

float rowHeight(int rowCount) {
  constexpr float usual = 40.0f, room = noticeBaseline - 40.0f - firstRowTop;
  return rowCount <= 0 ? usual : std::min(usual, room / static_cast<float>(rowCount));
}

int mainEntryAtPoint(float x, float y) {
  if (x < mainEntryLeft || x > mainEntryRight) return -1;
  for (int entry = 0; entry < mainEntryCount; ++entry) {
    const float baseline = mainFirstBaseline + mainEntryStep * static_cast<float>(entry);
    if (y >= baseline - mainEntryAbove && y <= baseline + mainEntryBelow) return entry;
  }
  return -1;
}

int rowAtPoint(const MenuPage& page, float x, float y) {
  const int rows = page.rowCount();
  if (x < left || x > right || y < firstRowTop) return -1;
  const int row = static_cast<int>((y - firstRowTop) / rowHeight(rows));
  if (row >= rows || page.rowAt(row).heading) return -1;
  return row;
}

}  // namespace menulayout

int firstSelectableRow(const MenuPage& page, int index) {
  for (int row = std::max(index, 0); row < page.rowCount(); ++row) {
    if (!page.rowAt(row).heading) return row;
  }
  return 0;
}

void selectNextRow(MenuPage& page, int delta) {
  for (int row = page.selected + delta; row >= 0 && row < page.rowCount(); row += delta) {
    if (page.rowAt(row).heading) continue;
    page.selected = row;
    playCue(Cue::MenuMoved);
    return;
  }
}
