// The progress panels of the four writing projects, drawn by the solo chooser in the client
// area from (left, top) to right: the project's title, its progress in per cent and a bar.
#pragma once

void DrawScienceTheoryProgress(float left, float top, float right);
void DrawSongProgress(float left, float top, float right);
void DrawScreenplayProgress(float left, float top, float right);
void DrawNewsStoryProgress(float left, float top, float right);
