// DefectMap text table of the preview: groups of six positions with indications, kept as lines.
#include <algorithm>
#include <vector>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/defect_map.h"

namespace defectmap {

void DefectMap::AppendTextGroup(int& position, TextLines& lines) const {
  // Seven lines hold three layers; deeper layers of a larger map are left out of the table.
  const int n = std::min(layers(), 3);
  const std::string label = groupLabel(position);
  const int w = TextColumnWidth(position, n);
  if (lines[0].empty()) {
    lines[0] = kPositionRowTitle;
    for (int i = 1; i <= n; ++i) {
      lines[std::size_t(2 * i - 1)] = typeRowTitle(i - 1, n);
      lines[std::size_t(2 * i)] = kSizeRowTitle;
    }
  }
  lines[0] += padToColumns(label, 6 * w);
  for (int k = 0; k < 6; ++k) {
    for (int i = 1; i <= n; ++i) {
      const CellTextResult t = CellText(position, i);
      lines[std::size_t(2 * i - 1)] += padToColumns(t.type, w);
      lines[std::size_t(2 * i)] += padToColumns(t.size, w);
    }
    ++position;
  }
}

void DefectMap::BuildTextTable(std::vector<std::string>& target) const {
  const int n = layers();
  const std::size_t count = n <= 1 ? 3 : n == 2 ? 5 : 7;
  int position = 0;
  TextLines lines;
  const auto flush = [&] {
    for (std::size_t i = 0; i < count; ++i) target.push_back(lines[i]);
  };
  while (position < length()) {
    if (codePoints(lines[0]) >= 73) {
      flush();
      for (std::string& line : lines) line.clear();
    } else if (HasIndicationAt(position)) {
      AppendTextGroup(position, lines);
    } else {
      ++position;
    }
  }
  flush();
}

}  // namespace defectmap
