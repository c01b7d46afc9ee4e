// Stand-in for the book details window until they are built: each operation records its call.
#pragma once

class GUI_BookDetails {
 public:
  static void Close();
};
