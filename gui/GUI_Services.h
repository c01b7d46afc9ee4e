// The one seam between the toolkit and the engine's text, sound and input services. Every
// widget reaches them through here, so the toolkit's tests can record what was queued and
// played, and can feed text measurements without a font.
#pragma once

#include <functional>
#include <string>
#include <vector>

class GUI_Services {
 public:
  // A text queued (or drawn at once) by a widget, as the text queue received it.
  struct TextItem {
    float x = 0, y = 0;
    std::string text;
    std::string font;
    int size = 0;
    int wrapWidth = 0;
    int align = 0;  // 0 left, 1 centred in the wrap width, 2 right-aligned
    int r = 255, g = 255, b = 255;
    bool immediate = false;  // drawn at once on the back buffer, not queued
    bool italic = false;
  };

  // --- Text ---
  static void QueueText(float x, float y, const std::string& text, const char* font, int size,
                        int wrapWidth, int align, int r, int g, int b);
  // The same in the italic cut of the font (the handwriting of the post-it notes).
  static void QueueItalicText(float x, float y, const std::string& text, const char* font,
                              int size, int wrapWidth, int align, int r, int g, int b);
  // Draws a text at once (check-button and slider labels).
  static void DrawTextNow(float x, float y, const std::string& text, const char* font, int size,
                          int r, int g, int b);
  // Flushes the frame's queue (no character budget).
  static void FlushText();
  // One-line width and word-wrapped height in the named font; both work outside a frame.
  static int MeasureWidth(const char* font, int size, const std::string& text);
  static int MeasureHeight(const char* font, int size, const std::string& text, int width);

  // --- Sound ---
  static void PlayClick();
  static void PlaySound(const char* file);
  // An effect at a volume (0..1) and pan (-1 left .. 1 right); recorded like PlaySound.
  static void PlaySoundPanned(const char* file, float volume, float pan);
  // Stops every slot playing that file.
  static void StopSound(const char* file);
  // A looping or single effect whose slot the caller keeps (-1: none), and the slot stopped
  // (-1 is ignored).
  static int PlaySoundInSlot(const char* file, bool loop);
  static void StopSlot(int slot);
  static bool IsSoundPlaying(const char* file);
  // The music muted while a window ticks, and started again afterwards.
  static void MuteMusic();
  static void RestartMusic();
  // The music at its set volume again after a mute.
  static void RefreshMusicVolume();

  // --- Input ---
  static float MouseX();
  static float MouseY();
  static bool LeftHeld();
  // Whether a key (DirectInput scan code) is held now.
  static bool IsKeyDown(int scanCode);
  // Set by a window that has the mouse over it, so buttons drawn below it show no hover.
  static bool IsMouseTaken();
  static void SetMouseTaken();
  // Frames the mouse has rested within 12 px of its rest point.
  static int MouseRestFrames();
  // Start of the windows' update: clears the mouse-taken flag (the input update clears it too).
  static void BeginInputFrame();

  // --- Test seams ---
  // Records every queued or drawn text and every sound while set (cleared on each set).
  static void SetRecording(bool on);
  static std::vector<TextItem>& RecordedTexts();
  static std::vector<std::string>& RecordedSounds();
  // The files StopSound was asked to stop while recording.
  static std::vector<std::string>& RecordedStops();
  // "mute" and "restart" for each change of the music, "stop slot" for each slot stopped,
  // while recording.
  static std::vector<std::string>& RecordedMusic();
  // Replaces the text measurement: (font, size, text, wrap width or 0) -> width or height.
  using Measurer = std::function<int(const std::string& font, int size, const std::string& text,
                                     int wrapWidth)>;
  static void SetMeasurer(Measurer width, Measurer height);
  // Mouse state without events: position, left button, rest frames.
  static void SetMouseForTesting(float x, float y, bool leftHeld);
  static void SetRestFramesForTesting(int frames);
  // Back to reading the real input and measuring with the real fonts.
  static void ResetForTesting();
};
