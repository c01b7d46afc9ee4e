// Text queued during a frame and drawn after the scene.
//
// Callers queue text items while they draw (QueueText and kin); FlushGdiText draws them all in
// one text drawing after the scene has ended: once a frame from the frame loop, and whenever a
// window needs its text on top at that moment. Windows that keep their texts over many frames
// hold a GdiTextList and draw it inside BeginGdiDrawing / EndGdiDrawing.
//
// Fonts are named by face and cell height in pixels (ascent + descent); "<family> bold" is the
// bold face. Strings are Windows-1252 bytes. One-line text (width 0) is drawn literally and
// unclipped with its cell's top-left at (x, y). Wrapped text (width > 0) breaks at blanks, CR/LF
// force a break, a word wider than the box overflows and is clipped at x + width, everything is
// clipped 512 pixels below y, lines advance by the font height, and "&" is drawn as it stands.
// Measuring gives exactly what drawing covers.
//
// Rendered texts are kept as white textures and coloured when drawn, so a screen of unchanged
// text costs little. The cache is bounded and emptied when the renderer releases its textures.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// --- The frame queue ---
// A null font name is the empty name (the default face). A font size of -1 is the default font.
void QueueText(float x, float y, const char* text, const char* fontName, int fontSize,
               float width, int alignment, int r, int g, int b);
void QueueTextString(float x, float y, const std::string& text, const char* fontName,
                     int fontSize, float width, int alignment, int r, int g, int b);
void QueueItalicTextString(float x, float y, const std::string& text, const char* fontName,
                           int fontSize, float width, int alignment, int r, int g, int b);
void QueueTextItem(float x, float y, const std::string& text, const char* fontName, int fontSize,
                   float width, int alignment, bool italic, int r, int g, int b);
// Draws and deletes every queued item in order, then the persistent list, in one text drawing.
// With a budget other than -1 at most that many characters of wrapped text are drawn in all;
// the budget ends with the flush. An empty queue draws nothing and takes no lock.
void FlushGdiText(int budget);
// The character budget of the running flush (-1 = none). Setting it outside a flush only lasts
// until the next flush ends.
void SetGdiCharacterBudget(int budget);
int GetGdiCharacterBudget();
size_t QueuedGdiTextCount();

// --- The persistent list (drawn after the queue at every flush) ---
void AddPersistentGdiText(float x, float y, const std::string& text, const char* fontName,
                          int fontSize, float width, int alignment, int r, int g, int b);
void ClearPersistentGdiText();
void DrawPersistentGdiText();

// --- Text drawing on the back buffer ---
// Ends the scene if one is open, then takes the back buffer.
void BeginGdiDrawing();
// Gives the back buffer back and re-opens the scene.
void EndGdiDrawing();
// Each take counts one GDI lock in the render statistics; the colour starts white.
void GetBackBufferDC();
// Forgets the selected font and the colour.
void ReleaseBackBufferDC();
bool IsBackBufferDCHeld();

// Fonts are made once per (name, height, italic) and re-selected from the cache after that.
void SelectGdiFont(const std::string& faceName, int height, bool italic);
// The font of items of size -1. Height 0 (nothing set yet) draws at 16 pixels.
void SetDefaultGdiFont(const std::string& faceName, int height);
void SelectDefaultGdiFont(bool italic);
void SetGdiTextColour(int r, int g, int b);

// Draws with the selected font and colour; returns the height drawn (lines x font height for
// wrapped text, the font height for one line, 0 when skipped or failed).
int DrawGdiText(float x, float y, const char* text, float width);
int DrawGdiTextString(float x, float y, const std::string& text, float width);
// A black copy at (x + 2, y + 2) under the text in the current colour.
int DrawGdiTextShadowed(float x, float y, const std::string& text, float width);
// The one-line width in the selected font (0 on failure).
float MeasureGdiTextWidth(const char* text);
float MeasureGdiTextWidth(const std::string& text);
// The height of the text wrapped to `width` in the selected font.
int MeasureGdiTextHeight(const std::string& text, int width);
// The lines wrapped text breaks into in the selected font (after "&" processing).
std::vector<std::string> WrapGdiText(const std::string& text, float width);

// --- Resources ---
// Destroys every cached text texture (the renderer calls this when it releases textures).
void ReleaseGdiTextTextures();
// Back to a fresh start: empty queue and lists, no font selected or remembered, no default
// font, budget off. For tests; the game never calls it.
void ResetGdiTextState();

// --- Looking inside (tests, the statistics overlay) ---
size_t GdiTextCacheSize();
// How many text textures have been rendered so far.
long GdiTextRenderCount();
size_t GdiFontCacheSize();
// The font file behind the selected font (empty when none is selected).
std::string SelectedGdiFontFile();
int SelectedGdiFontHeight();
// Called with every text just before it is drawn: its text, the box its pixels cover (left,
// top, width, height) and its colour. Tests read what lies behind the text there; the game
// never sets it. An empty function stops it.
using GdiTextDrawObserver = std::function<void(const std::string& text, int left, int top,
                                               int width, int height, int r, int g, int b)>;
void SetGdiTextDrawObserver(GdiTextDrawObserver observer);
