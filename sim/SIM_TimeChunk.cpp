// Running activities.
#include "sim/SIM_TimeChunk.h"

#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Weather.h"

void SIM_TimeChunk::Run() {
  SIM_SIM::Instance().EndAct();
  if (GlobalNamedValues().IsSet("glob_outdoors")) {
    if (SIM_Weather::Instance().GetIntensity(WEATHER_RAIN) > 0.25f) SIM_Health::Instance().CatchCold();
    SetGlobalValue("glob_outdoors", 0.0f);
  }
}
