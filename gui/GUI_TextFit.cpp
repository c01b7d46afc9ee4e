// Fitting one-line texts to their boxes.
#include "gui/GUI_TextFit.h"

#include <algorithm>

#include "engine/Utilities.h"
#include "gui/GUI_Services.h"

namespace {

// The largest n in 0..limit for which fits(n) holds, given fits(0) and that fits only turns
// false as n grows.
template <typename Fits>
size_t LongestFitting(size_t limit, Fits fits) {
  size_t lo = 0, hi = limit;
  while (lo < hi) {
    const size_t mid = lo + (hi - lo + 1) / 2;
    if (fits(mid)) lo = mid;
    else hi = mid - 1;
  }
  return lo;
}

}  // namespace

std::string FitTextToWidth(const char* font, int size, const std::string& text, int width) {
  if (GUI_Services::MeasureWidth(font, size, text) <= width) return text;
  const size_t keep = LongestFitting(text.size() - 1, [&](size_t n) {
    return GUI_Services::MeasureWidth(font, size, TruncateWithEllipsis(text, static_cast<int>(n))) <=
           width;
  });
  return TruncateWithEllipsis(text, static_cast<int>(keep));
}

std::string FitWordsToWidth(const char* font, int size, const std::string& text, int width) {
  std::string fitted;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    fitted += FitTextToWidth(font, size, text.substr(at, end - at), width);
    if (end < text.size()) fitted += ' ';
    at = end + 1;
  }
  return fitted;
}

std::vector<std::string> WrapToWidth(const char* font, int size, const std::string& text,
                                     int width) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    if (end > at) {
      const std::string word = FitTextToWidth(font, size, text.substr(at, end - at), width);
      const std::string longer = line.empty() ? word : line + " " + word;
      if (!line.empty() && GUI_Services::MeasureWidth(font, size, longer) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = longer;
      }
    }
    at = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string FitTextEndToWidth(const char* font, int size, const std::string& text, int width) {
  if (GUI_Services::MeasureWidth(font, size, text) <= width) return text;
  const size_t keep = LongestFitting(text.size() - 1, [&](size_t n) {
    return GUI_Services::MeasureWidth(font, size, "..." + text.substr(text.size() - n)) <= width;
  });
  return "..." + text.substr(text.size() - keep);
}

int FitSizeToBox(const char* font, int largest, int smallest, const std::string& text, int width,
                 int height) {
  for (int size = largest; size > smallest; --size)
    if (GUI_Services::MeasureHeight(font, size, FitWordsToWidth(font, size, text, width), width) <=
        height)
      return size;
  return smallest;
}
