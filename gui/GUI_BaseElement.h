// A rectangle in screen pixels: the base of every button, window, panel and tooltip.
// Operations take floats; the element stores integers, every conversion truncating toward
// zero. Right and bottom are exclusive.
#pragma once

struct GUI_Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class GUI_BaseElement {
 public:
  GUI_BaseElement();
  virtual ~GUI_BaseElement() = default;
  GUI_BaseElement(const GUI_BaseElement&) = default;
  GUI_BaseElement& operator=(const GUI_BaseElement&) = default;

  virtual void Draw() {}
  virtual void SetRect(float left, float top, float right, float bottom);
  virtual void SetSize(float width, float height);
  // Left and top inclusive, right and bottom exclusive.
  virtual bool HitTest(float x, float y) const;

  void MoveTo(float x, float y);
  void CentreOnScreen();
  void ClampToScreen();
  void MoveOnScreen(float x, float y);
  // One sprite of the element's size over it, with the texture and colour given.
  void DrawFilled(const char* texture, float alpha, float shade) const;

  const GUI_Rect& GetRect() const { return rect; }
  int GetWidth() const { return width; }
  int GetHeight() const { return height; }

 protected:
  GUI_Rect rect;
  int width = 0;
  int height = 0;
};
