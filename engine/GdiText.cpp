// Queued text: flushing and the character budget.
#include "engine/GdiText.h"

namespace {
int g_budget = -1;
}

void FlushGdiText(int budget) { g_budget = budget; }

void SetGdiCharacterBudget(int budget) { g_budget = budget; }

int GetGdiCharacterBudget() { return g_budget; }
