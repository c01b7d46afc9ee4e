// Gym membership.
#include "sim/SIM_Gym.h"

#include "engine/Translate.h"
#include "sim/SIM_Screens.h"

void SIM_Gym::OnSelect() { Screens().OpenSoloActivityChooserOn(kActivity); }

void SIM_Gym::OnUpkeepUnpaid() {
  SIM_Asset::OnUpkeepUnpaid();
  Screens().ShowMessage(Translate("GYM_NOMONEY_TEXT"), Translate("GYM_NOMONEY_TITLE"));
}
