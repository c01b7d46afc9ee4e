// Text queued during a frame and drawn after the scene. Until the text renderer arrives the
// queue is flushed empty.
#pragma once

// Draws every queued text item; budget -1 means no character limit.
void FlushGdiText(int budget);
// The character budget of later flushes (-1 = none).
void SetGdiCharacterBudget(int budget);
int GetGdiCharacterBudget();
