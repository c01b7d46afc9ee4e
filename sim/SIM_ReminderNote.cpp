// A reminder note held by its id.
#include "sim/SIM_ReminderNote.h"

#include "sim/SIM_Screens.h"

bool SIM_ReminderNote::Show(const std::string& text, int action, const std::string& activity) {
  if (id_ == 0) id_ = Screens().AddPostit(text, action, activity);
  return id_ != 0;
}

void SIM_ReminderNote::Drop() {
  if (id_ == 0) return;
  Screens().DeletePostit(id_);
  id_ = 0;
}
