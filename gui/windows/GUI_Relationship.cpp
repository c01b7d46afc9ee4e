// STAND-IN: relationship lines.
#include "gui/windows/GUI_Relationship.h"

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"

GUI_Relationship* GUI_Relationship::Create(SIM_Relationship* relationship) {
  ReportAssertion(relationship != nullptr, __FILE__, __LINE__);
  return new GUI_Relationship(relationship);
}

void DrawRelationships() { TraceCall("DrawRelationships"); }
