// The installed application shell.
#include "gui/GUI_Shell.h"

namespace {

GUI_Shell*& Installed() {
  static GUI_Shell* shell = nullptr;
  return shell;
}

}  // namespace

GUI_Shell& Shell() {
  static GUI_Shell idle;
  GUI_Shell* shell = Installed();
  return shell ? *shell : idle;
}

void InstallShell(GUI_Shell* shell) { Installed() = shell; }
