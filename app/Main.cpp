// The program's entry: everything else lives in the game library.
#include "app/MainWindow.h"

int main() { return GameMain(); }
