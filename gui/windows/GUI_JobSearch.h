// Stand-in for the job search until it is built: each operation records its call.
#pragma once

class GUI_JobSearch {
 public:
  static void Open();
  static void Close();
};
