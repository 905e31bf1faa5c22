// What the window shows of the game: the state of every control that guards a
// step of the turn cycle, the dice label, the two drop-down lists and the
// option menu items. The window copies these into its widgets after every
// handler.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvik {

// A push button or a board grid.
struct ControlState {
  std::string caption;
  bool enabled = false;
  bool visible = true;
  bool focused = false;
  bool operator==(const ControlState&) const = default;
};

// Colours are 0x00BBGGRR.
inline constexpr uint32_t kAqua = 0xFFFF00;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;

// The dice label: empty from a new game until the first roll is shown.
struct LabelState {
  std::string text;
  uint32_t colour = kAqua;
};

// An append-only drop-down list and its selected line (-1: none).
struct ListState {
  std::vector<std::string> lines;
  int selected = -1;

  void Add(std::string line) {
    lines.push_back(std::move(line));
    selected = static_cast<int>(lines.size()) - 1;
  }
};

// A menu item's check mark and enabled state.
struct MenuItemState {
  bool checked = false;
  bool enabled = true;
};

}  // namespace morvik
