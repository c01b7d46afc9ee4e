// The shared GUI textures.
#include "gui/GUI_TextureSet.h"

#include "engine/CallTrace.h"

GUI_TextureSet& GUI_TextureSet::Instance() {
  static GUI_TextureSet set;
  return set;
}

void GUI_TextureSet::Load() { TraceCall("GUI_TextureSet::Load"); }

void GUI_TextureSet::RefreshWindowTextures() { TraceCall("GUI_TextureSet::RefreshWindowTextures"); }
