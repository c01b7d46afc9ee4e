// The window frame skin: a 4 x 4-cell texture drawn as a 9-slice frame, its drop shadow, the
// dirt marks of a dirty flat and the icicles of a snowy day.
#pragma once

// Draws the bound texture as a 9-slice frame (cells 0, 3, 12, 15, 5, 1, 14, 4, 7); corners
// and edges are half a pixel wider than the border so no seam shows. Adds dirt corners while
// a game runs.
void DrawFrame(float left, float top, float right, float bottom, float border, float alpha);
void DrawFrameById(float left, float top, float right, float bottom, int id, float border,
                   float alpha);
void DrawFrameByFile(float left, float top, float right, float bottom, const char* texture,
                     float border, float alpha);
// A soft dark veil with rounded, feathered edges, drawn under text that the layout puts on a
// picture so the text stays readable whatever lies behind. Keep text kTextVeilBorder inside
// its edges, where the veil is at full strength. No dirt marks: it is not a window.
constexpr const char* kTextVeilTexture = "text_veil.dds";
constexpr float kTextVeilBorder = 20.0f;
void DrawTextVeil(float left, float top, float right, float bottom);
// A frame without its bottom row (a tab opening onto the page below); upside down, its top
// row runs along the bottom edge instead.
void DrawTabFrame(float left, float top, float right, float bottom, int id, float border,
                  bool upsideDown);
void DrawDropShadow(float left, float top, float right, float bottom, float border, int offset);
// Dirt marks in the top corners when the flat's dirt is 0.1 or more and the frame is at
// least 151 px both ways.
void DrawDirtCorners(float left, float top, float right, float bottom, float border);
// Icicles along the bottom edge when today's snow is 0.25 or more.
void DrawIceEdge(float left, float top, float right, float bottom);
void RandomiseIcicles();

// The dirt level the frames read ("glob_dirt", 0 when absent) and today's snow intensity.
float FrameDirtLevel();
float FrameSnowIntensity();
