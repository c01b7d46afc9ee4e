// The details of an owned possession: its picture, description and running cost or resale
// value, with buttons to sell it (or cancel a service), use it, or close the window.
#pragma once

class SIM_Asset;

class GUI_AssetDetails {
 public:
  static void Open(SIM_Asset* asset);
};
