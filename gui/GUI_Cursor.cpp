// GUI_Cursor placeholder: the drag slot.
#include "gui/GUI_Cursor.h"

GUI_Cursor& GUI_Cursor::Instance() {
  static GUI_Cursor cursor;
  return cursor;
}
