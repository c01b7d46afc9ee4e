// STAND-IN: the attribute details window.
#include "gui/windows/GUI_AttributeDetails.h"

#include "engine/CallTrace.h"
#include "sim/SIM_Attribute.h"

void GUI_AttributeDetails::Open(SIM_Attribute* attribute) {
  TraceCall("GUI_AttributeDetails::Open " + (attribute ? attribute->GetName() : std::string()));
}
