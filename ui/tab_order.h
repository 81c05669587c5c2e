#pragma once
#include <cstdint>
#include <vector>

// A control that can take the focus by Tab: its place in the unit list and its
// tab-order value.
struct TabCandidate {
  int unitIndex;
  std::int32_t tabOrder;
};

// Unit indices in tab order: by tab-order value, equal values in the reverse of
// the unit list. `candidates` come in unit-list order.
std::vector<int> OrderTabStops(const std::vector<TabCandidate>& candidates);

// The unit index that Tab (or Shift+Tab with `backwards`) moves to from `current`,
// wrapping; from a unit not in `order` the first (or last). -1 when `order` is empty.
int NextTabStop(const std::vector<int>& order, int current, bool backwards);
