// Stand-in for the contact icons until they are built: laying them out records its call.
#pragma once

void LayOutNPCIcons();
