// STAND-IN: the change marker that rises from a changed value.
#include "gui/GUI_ChangePopup.h"

#include "engine/CallTrace.h"
#include "engine/Utilities.h"

void GUI_ChangePopup::Show(float amount, float x, float y, bool riseIsGood) {
  TraceCall("GUI_ChangePopup::Show " + FormatFixed(amount, 3) + " " + FormatFixed(x, 0) + " " +
            FormatFixed(y, 0) + (riseIsGood ? " good" : " bad"));
}
