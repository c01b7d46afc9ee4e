#include "gui/windows/GUI_AssetDetails.h"

void GUI_AssetDetails::Open(SIM_Asset*) {}
