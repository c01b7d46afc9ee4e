// Stand-in for the view of a relationship until it is built; the relationship owns it.
#pragma once

class SIM_Relationship;

class GUI_Relationship {
 public:
  static GUI_Relationship* Create(SIM_Relationship* relationship);
  SIM_Relationship* GetRelationship() const { return relationship_; }

 private:
  explicit GUI_Relationship(SIM_Relationship* relationship) : relationship_(relationship) {}
  SIM_Relationship* relationship_;
};

// Draws the relationship lines of the main scene.
void DrawRelationships();
