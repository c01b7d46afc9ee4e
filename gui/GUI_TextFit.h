// Cutting a one-line text to the width of its box, so a long name never runs out of the place
// the layout gives it. Widths are measured through GUI_Services (the real font, or a test's
// measure).
#pragma once

#include <string>
#include <vector>

// The text when it fits in `width` pixels; otherwise its longest beginning that fits with
// "..." after it (just "..." when nothing more fits).
std::string FitTextToWidth(const char* font, int size, const std::string& text, int width);
// Each blank-separated word of the text cut as FitTextToWidth cuts it, so a text wrapped at
// `width` never holds a word longer than its lines; the blanks stay as they were.
std::string FitWordsToWidth(const char* font, int size, const std::string& text, int width);
// The text broken at blanks into lines no wider than `width`, for a caller that places each
// line itself (a centred line is centred by its own width); a word wider than a line is cut
// as FitTextToWidth cuts it. An empty text gives no line.
std::vector<std::string> WrapToWidth(const char* font, int size, const std::string& text,
                                     int width);
// For a name being typed: the text when it fits, otherwise "..." and its longest ending that
// fits, so the last typed characters stay in view next to the caret.
std::string FitTextEndToWidth(const char* font, int size, const std::string& text, int width);
// For a wrapped text in a box of its own: the largest font size from `largest` down to
// `smallest` at which the text, its words first cut as FitWordsToWidth cuts them and then
// wrapped at `width`, is no taller than `height`; `smallest` when none is.
int FitSizeToBox(const char* font, int largest, int smallest, const std::string& text, int width,
                 int height);
