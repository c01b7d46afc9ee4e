// Stand-in for the relationship web until it is built: the lines between contact icons.
#pragma once

// Draws the relationship lines of the main scene.
void DrawRelationships();
