// The relationship web of the main screen: every friendship of the player is a band from the
// player's avatar to the friend's contact icon, the stronger the wider and more opaque. One
// view per relationship, kept by the screens (GUI_SimScreens) from the relationship's
// creation to its end.
#pragma once

#include <vector>

class SIM_Relationship;

class GUI_Relationship {
 public:
  static GUI_Relationship* Create(SIM_Relationship* relationship);
  virtual ~GUI_Relationship();
  GUI_Relationship(const GUI_Relationship&) = delete;
  GUI_Relationship& operator=(const GUI_Relationship&) = delete;

  // The band, when the relationship is an active friendship of the player whose other person
  // has a shown icon. True when it drew.
  virtual bool Draw();
  SIM_Relationship* GetRelationship() const { return relationship_; }

  // A strength (any float a save may hold) as the band shows it: clamped to 0..1, the width
  // strength x 40 + 6 (never below 4) and the alpha 127 + 128 x strength (within 0..255).
  static float BandWidth(float strength);
  static int BandAlpha(float strength);

  static const std::vector<GUI_Relationship*>& All();

 private:
  explicit GUI_Relationship(SIM_Relationship* relationship);
  SIM_Relationship* relationship_;
};

// Draws every view in the order they were made.
void DrawRelationships();
