// Stand-in for the restaurant chooser until they are built: each operation records its call.
#pragma once

class GUI_RestaurantChooser {
 public:
  static void Close();
};
