#include "ui/tab_order.h"

#include <algorithm>

std::vector<int> OrderTabStops(const std::vector<TabCandidate>& candidates) {
  std::vector<TabCandidate> sorted(candidates.rbegin(), candidates.rend());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const TabCandidate& a, const TabCandidate& b) { return a.tabOrder < b.tabOrder; });
  std::vector<int> order;
  for (const TabCandidate& c : sorted) order.push_back(c.unitIndex);
  return order;
}

int NextTabStop(const std::vector<int>& order, int current, bool backwards) {
  if (order.empty()) return -1;
  auto n = static_cast<int>(order.size());
  auto at = std::find(order.begin(), order.end(), current);
  if (at == order.end()) return backwards ? order.back() : order.front();
  int i = static_cast<int>(at - order.begin());
  return order[(i + (backwards ? n - 1 : 1)) % n];
}
