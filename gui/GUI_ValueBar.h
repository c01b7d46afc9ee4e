// The segmented bar of a value 0..1 (attributes, relationships, progress): a dark box, blocks
// 5 px wide every 6 px with a vertical gradient, red or grey, and a grey outline.
#pragma once

void DrawValueBar(float x, float y, float value, float width, float alpha, bool red);
// How the filled part of a bar splits: full 6-px blocks and the width of the last one (0 when
// none).
void ValueBarBlocks(float value, float width, int& fullBlocks, int& lastBlock);
