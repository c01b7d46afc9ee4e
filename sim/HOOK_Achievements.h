// Stand-in for the achievements until they are built: clearing records its call.
#pragma once

void ClearAchievements();
