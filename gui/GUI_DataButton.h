// An icon button whose click hands a data pointer to its callback (list entries, icons).
// It has no enabled test and does not tell the tutorial.
#pragma once

#include "gui/GUI_IconButton.h"

class GUI_DataButton : public GUI_IconButton {
 public:
  GUI_DataButton(const char* texture, GUI_ButtonCallback dataCallback, void* data);

  bool OnClick(float x, float y) override;
  void Activate() override;
  void* GetData() const { return data_; }

 private:
  GUI_ButtonCallback dataCallback_;
  void* data_;
};
