// Where the edit's characters lie: its lines (wrapped at words when a
// multi-line edit does not scroll horizontally), their alignment, and the
// conversions between character indexes and client positions.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

// A client DC with the edit's font, for measuring.
class Measure {
 public:
  Measure(HWND hwnd, const EditData& d) : hwnd_(hwnd), dc_(GetDC(hwnd)), font_(FontOf(d)) {}
  ~Measure() { ReleaseDC(hwnd_, dc_); }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;
  int Width(const std::u16string& text, int count) const { return TextWidth(dc_, font_, text, count); }

 private:
  HWND hwnd_;
  HDC dc_;
  HFONT font_;
};

int FormatWidth(HWND hwnd, const EditData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return std::max<int>(1, client.right - d.leftMargin - d.rightMargin);
}

bool Wraps(HWND hwnd) { return IsMultiLine(hwnd) && !(Style(hwnd) & (ES_AUTOHSCROLL | WS_HSCROLL)); }

// The longest prefix of `text` that fits `width` (at least one character).
int Fitting(const Measure& m, const std::u16string& text, int width) {
  int low = 1, high = static_cast<int>(text.size());
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (m.Width(text, middle) <= width) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// Splits one paragraph (text between line breaks) at word ends so that each
// line fits; a word wider than the edit is split where it must be. Spaces
// after a word stay on its line, even past the edge.
void WrapParagraph(const Measure& m, const std::u16string& paragraph, int start, int width, EditData& d) {
  int offset = 0;
  const int size = static_cast<int>(paragraph.size());
  do {
    const std::u16string rest = paragraph.substr(static_cast<std::size_t>(offset));
    int length = static_cast<int>(rest.size());
    if (length > 0 && m.Width(rest, length) > width) {
      const int fit = Fitting(m, rest, width);
      int cut = fit;
      while (cut > 0 && rest[static_cast<std::size_t>(cut - 1)] != u' ' && rest[static_cast<std::size_t>(cut)] != u' ') {
        --cut;
      }
      if (cut == 0) cut = fit;
      while (cut < length && rest[static_cast<std::size_t>(cut)] == u' ') ++cut;
      length = cut;
    }
    d.lines.push_back(Line{start + offset, length});
    d.widest = std::max(d.widest, m.Width(rest, length));
    offset += length;
  } while (offset < size);
}

int AlignOffset(HWND hwnd, const EditData& d, int width) {
  const DWORD style = Style(hwnd);
  const int room = FormatWidth(hwnd, d) - width;
  if (room <= 0) return 0;
  if (style & ES_RIGHT) return room;
  if (style & ES_CENTER) return room / 2;
  return 0;
}

int LineWidth(const Measure& m, const std::u16string& shown, const Line& line, int count) {
  return m.Width(shown.substr(static_cast<std::size_t>(line.start), static_cast<std::size_t>(line.length)), count);
}

int LineOriginX(HWND hwnd, const EditData& d, const Measure& m, const std::u16string& shown, int line) {
  const Line& l = d.lines[static_cast<std::size_t>(line)];
  return d.leftMargin - d.scrollX + AlignOffset(hwnd, d, LineWidth(m, shown, l, l.length));
}

}  // namespace

std::u16string Shown(HWND hwnd, const EditData& d) {
  if (!IsMultiLine(hwnd) && ((Style(hwnd) & ES_PASSWORD) || d.passwordChar != 0)) {
    return std::u16string(d.text.size(), d.passwordChar ? d.passwordChar : u'*');
  }
  return d.text;
}

void Layout(HWND hwnd, EditData& d) {
  d.lines.clear();
  d.widest = 0;
  const Measure m(hwnd, d);
  const std::u16string shown = Shown(hwnd, d);
  if (!IsMultiLine(hwnd)) {
    d.lines.push_back(Line{0, static_cast<int>(shown.size())});
    d.widest = m.Width(shown, static_cast<int>(shown.size()));
    return;
  }
  const bool wrap = Wraps(hwnd);
  const int width = FormatWidth(hwnd, d);
  std::size_t start = 0;
  for (;;) {
    const std::size_t brk = shown.find(u"\r\n", start);
    const std::size_t end = brk == std::u16string::npos ? shown.size() : brk;
    const std::u16string paragraph = shown.substr(start, end - start);
    if (wrap) {
      WrapParagraph(m, paragraph, static_cast<int>(start), width, d);
    } else {
      d.lines.push_back(Line{static_cast<int>(start), static_cast<int>(paragraph.size())});
      d.widest = std::max(d.widest, m.Width(paragraph, static_cast<int>(paragraph.size())));
    }
    if (brk == std::u16string::npos) break;
    start = brk + 2;
  }
}

int LineHeight(HWND hwnd, const EditData& d) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, FontOf(d));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return std::max<int>(1, metrics.tmHeight);
}

int VisibleLines(HWND hwnd, const EditData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return std::max<int>(1, (client.bottom - client.top) / LineHeight(hwnd, d));
}

int LineOf(const EditData& d, int index) {
  const auto after = std::upper_bound(d.lines.begin(), d.lines.end(), index,
                                      [](int i, const Line& line) { return i < line.start; });
  return std::max(0, static_cast<int>(after - d.lines.begin()) - 1);
}

int LineEnd(const EditData& d, int line) {
  const Line& l = d.lines[static_cast<std::size_t>(std::clamp(line, 0, static_cast<int>(d.lines.size()) - 1))];
  return l.start + l.length;
}

POINT PosFromChar(HWND hwnd, const EditData& d, int index) {
  const Measure m(hwnd, d);
  const std::u16string shown = Shown(hwnd, d);
  const int line = LineOf(d, index);
  const Line& l = d.lines[static_cast<std::size_t>(line)];
  const int x = LineOriginX(hwnd, d, m, shown, line) + LineWidth(m, shown, l, index - l.start);
  const int y = IsMultiLine(hwnd) ? (line - d.firstLine) * LineHeight(hwnd, d) : 0;
  return POINT{x, y};
}

int CharInLine(HWND hwnd, const EditData& d, int line, int x) {
  line = std::clamp(line, 0, static_cast<int>(d.lines.size()) - 1);
  const Measure m(hwnd, d);
  const std::u16string shown = Shown(hwnd, d);
  const Line& l = d.lines[static_cast<std::size_t>(line)];
  const std::u16string text = shown.substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.length));
  const int target = x - LineOriginX(hwnd, d, m, shown, line);
  // Widths grow with the prefix: a binary search finds the first boundary
  // at or right of the target, then the nearer of it and the one before.
  int low = 0, high = l.length;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (m.Width(text, middle) < target) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  int best = low;
  if (low > 0 && target - m.Width(text, low - 1) < m.Width(text, low) - target) best = low - 1;
  // A wrapped line's end is the next line's start: stay on this line.
  const bool wrapped = line + 1 < static_cast<int>(d.lines.size()) && d.lines[static_cast<std::size_t>(line + 1)].start == l.start + l.length;
  if (wrapped && best == l.length && best > 0) best = l.length - 1;
  return l.start + best;
}

int CharFromPos(HWND hwnd, const EditData& d, POINT p) {
  if (!IsMultiLine(hwnd)) return CharInLine(hwnd, d, 0, p.x);
  const int height = LineHeight(hwnd, d);
  const int row = p.y >= 0 ? p.y / height : (p.y - height + 1) / height;
  return CharInLine(hwnd, d, d.firstLine + row, p.x);
}

}  // namespace platform::edit
