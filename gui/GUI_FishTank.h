// Stand-in for the fish tank until it is built: its draw records the call.
#pragma once

class GUI_FishTank {
 public:
  static void Draw();
  // The flies over a dirty flat, drawn by the backdrop.
  static void DrawFlies();
};
