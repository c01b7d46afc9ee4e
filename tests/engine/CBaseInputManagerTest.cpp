// Buffered input fed through the event buffers: double clicks on an injected clock, sensitivity,
// clamping, button events ending a read without losing what follows, keys, the wheel and the
// windowed pointer.
#include "engine/CBaseInputManager.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/Timer.h"

namespace {

class RecordingInput : public CBaseInputManager {
 public:
  void OnWheelUp() override { calls.push_back("wheelup"); }
  void OnWheelDown() override { calls.push_back("wheeldown"); }
  void OnLeftButtonDown() override {
    CBaseInputManager::OnLeftButtonDown();
    calls.push_back("leftdown " + std::to_string(static_cast<int>(mouseX)) + "," +
                    std::to_string(static_cast<int>(mouseY)));
  }
  void OnLeftButtonUp() override {
    CBaseInputManager::OnLeftButtonUp();
    calls.push_back("leftup");
  }
  void OnRightButtonDown() override { calls.push_back("rightdown"); }
  void OnRightButtonUp() override { calls.push_back("rightup"); }
  void OnKeyDown(int scanCode) override { calls.push_back("key " + std::to_string(scanCode)); }
  std::vector<std::string> calls;
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldW_ = g_screenWidth, oldH_ = g_screenHeight;
    g_screenWidth = 800.0f;
    g_screenHeight = 600.0f;
    input.Init(nullptr);
    input.SetWindowed(false);  // full screen: relative motion
    input.calls.clear();
  }
  void TearDown() override {
    g_screenWidth = oldW_;
    g_screenHeight = oldH_;
  }

  void Move(int dx, int dy, int x = 0, int y = 0) {
    plat::Event e;
    e.type = plat::EventType::MouseMove;
    e.dx = dx, e.dy = dy, e.x = x, e.y = y;
    input.QueueEvent(e);
  }
  void Button(int button, bool down, int x = 0, int y = 0) {
    plat::Event e;
    e.type = down ? plat::EventType::MouseButtonDown : plat::EventType::MouseButtonUp;
    e.button = button, e.x = x, e.y = y;
    input.QueueEvent(e);
  }
  void Key(int code, bool down) {
    plat::Event e;
    e.type = down ? plat::EventType::KeyDown : plat::EventType::KeyUp;
    e.key = code;
    input.QueueEvent(e);
  }
  void Wheel(int steps) {
    plat::Event e;
    e.type = plat::EventType::MouseWheel;
    e.wheel = steps;
    input.QueueEvent(e);
  }
  // A whole click: press in one frame, release in the next.
  void Click() {
    Button(0, true);
    input.Update();
    Button(0, false);
    input.Update();
  }

  ManualTimerClock clock;
  RecordingInput input;

 private:
  float oldW_ = 0.0f, oldH_ = 0.0f;
};

TEST_F(InputTest, DoubleClicksNeedLessThanHalfASecondAndThirtyTwoPixels) {
  struct Case {
    double ms;
    int dx;
    bool expected;
  };
  for (const Case c : {Case{400, 20, true}, Case{500, 20, false}, Case{600, 20, false},
                       Case{400, 40, false}, Case{499, 0, true}}) {
    clock.Advance(5000);  // far from any earlier click
    Click();
    EXPECT_FALSE(input.doubleClick);
    clock.Advance(c.ms);
    Move(c.dx, 0);
    input.Update();
    Click();
    EXPECT_EQ(input.doubleClick, c.expected) << c.ms << " ms, " << c.dx << " px";
    Move(-c.dx, 0);
    input.Update();
  }
}

TEST_F(InputTest, SensitivityScalesEachMotionStepAndThePointerStaysOnTheScreen) {
  input.SetMouseSensitivity(0.0f);
  EXPECT_FLOAT_EQ(input.sensitivity, 0.6f);
  input.SetMouseSensitivity(1.0f);
  EXPECT_FLOAT_EQ(input.sensitivity, 3.1f);
  Move(10, -3);
  Move(1, 0);  // each step is truncated on its own: 3.1 -> 3
  input.Update();
  EXPECT_EQ(input.moveX, 31 + 3);
  EXPECT_EQ(input.moveY, -9);
  EXPECT_FLOAT_EQ(input.mouseX, 100.0f + 34.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 91.0f);

  input.SetMouseSensitivity(0.16f);  // back to 1.0
  Move(-5000, -5000);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 0.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 0.0f);
  Move(5000, 5000);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 800.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 600.0f);
  EXPECT_EQ(input.GetMousePoint().x, 800);
}

TEST_F(InputTest, AnAbsurdSensitivityFromAnEditedOptionsFileOnlyReachesTheScreenEdge) {
  input.SetMouseSensitivity(1.0e30f);
  Move(1, 1);
  Move(1, 1);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 800.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 600.0f);
  Move(-1, -1);
  Move(-1, -1);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 0.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 0.0f);
  input.sensitivity = std::numeric_limits<float>::quiet_NaN();
  Move(5, 5);
  input.Update();
  EXPECT_EQ(input.moveX, 0);
  EXPECT_FLOAT_EQ(input.mouseX, 0.0f);
  input.SetMouseSensitivity(0.16f);
}

TEST_F(InputTest, AButtonEventEndsTheReadButNothingAfterItIsLost) {
  // Press and release in one frame: the release arrives the next frame.
  Button(0, true);
  Button(0, false);
  input.Update();
  EXPECT_TRUE(input.leftDown);
  EXPECT_EQ(input.PendingMouseEvents(), 1u);
  input.Update();
  EXPECT_FALSE(input.leftDown);
  EXPECT_EQ(input.calls, (std::vector<std::string>{"leftdown 100,100", "leftup"}));

  // Motion after a press waits for the next frame; motion before it moves the pointer first,
  // so the click lands where it was made.
  input.calls.clear();
  Move(50, 0);
  Button(0, true);
  Move(7, 0);
  input.Update();
  EXPECT_EQ(input.calls, (std::vector<std::string>{"leftdown 150,100"}));
  EXPECT_FLOAT_EQ(input.mouseX, 150.0f);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 157.0f);

  // Right button: press and release both reported, one a frame; the middle one is ignored.
  input.calls.clear();
  Button(2, true);
  Button(1, true);
  Button(1, false);
  input.Update();
  input.Update();
  EXPECT_EQ(input.calls, (std::vector<std::string>{"rightdown", "rightup"}));
  // A left release without a press is passed over and the read goes on.
  Button(0, false);  // ends the press made above
  input.Update();
  ASSERT_FALSE(input.leftDown);
  input.calls.clear();
  Button(0, false);
  Wheel(1);
  input.Update();
  EXPECT_EQ(input.calls, (std::vector<std::string>{"wheelup"}));
}

TEST_F(InputTest, WheelStepsAndSidewaysScrolling) {
  Wheel(0);  // no vertical motion: dropped
  Wheel(1);
  Wheel(-2);
  input.Update();
  EXPECT_EQ(input.calls, (std::vector<std::string>{"wheelup", "wheeldown"}));
  EXPECT_EQ(input.wheel, 120 - 240);
  input.Update();
  EXPECT_EQ(input.wheel, 0);
}

TEST_F(InputTest, KeysReportPressesAndKeepTheirState) {
  Key(30, true);
  Key(42, true);
  Key(30, false);
  input.Update();
  EXPECT_EQ(input.calls, (std::vector<std::string>{"key 30", "key 42"}));  // releases unreported
  EXPECT_FALSE(input.IsKeyDown(30));
  EXPECT_TRUE(input.IsKeyDown(42));
  EXPECT_FALSE(input.IsKeyDown(-1));
  EXPECT_FALSE(input.IsKeyDown(256));
  // A key pressed and released within one frame was held for the presses between.
  class AltWatcher : public RecordingInput {
   public:
    void OnKeyDown(int scanCode) override {
      if (scanCode == 28) altHeldOnReturn = IsKeyDown(56);
    }
    bool altHeldOnReturn = false;
  } watcher;
  watcher.Init(nullptr);
  for (const auto& [key, down] : {std::pair{56, true}, {28, true}, {28, false}, {56, false}}) {
    plat::Event e;
    e.type = down ? plat::EventType::KeyDown : plat::EventType::KeyUp;
    e.key = key;
    watcher.QueueEvent(e);
  }
  watcher.Update();
  EXPECT_TRUE(watcher.altHeldOnReturn);
  EXPECT_FALSE(watcher.IsKeyDown(56));
  // The buffer holds 32 events: the oldest go.
  input.calls.clear();
  for (int i = 0; i < 40; ++i) Key(2 + (i % 10), i % 2 == 0);
  EXPECT_EQ(input.PendingKeyboardEvents(), 32u);
  input.Update();
  EXPECT_EQ(input.calls.size(), 16u);
  EXPECT_EQ(input.calls.front(), "key 10");  // event 8 is the first kept
  // A focus change forgets what is buffered and held.
  Key(28, true);
  input.ClearBuffers();
  input.Update();
  EXPECT_FALSE(input.IsKeyDown(28));
  EXPECT_FALSE(input.IsKeyDown(42));
}

TEST_F(InputTest, StillFramesCountReadsNearTheAnchor) {
  Move(30, 0);  // away from the anchor (0, 0): a new anchor
  input.Update();
  EXPECT_EQ(input.stillFrames, 0);
  EXPECT_FLOAT_EQ(input.anchorX, 130.0f);
  for (int i = 0; i < 3; ++i) {
    Move(i % 2 ? -5 : 5, 0);
    input.Update();
  }
  input.Update();
  EXPECT_EQ(input.stillFrames, 4);
  Move(12, 0);
  input.Update();
  EXPECT_EQ(input.stillFrames, 0);
}

TEST_F(InputTest, WindowedThePointerIsTheSystemCursor) {
  input.SetWindowed(true);
  Move(3, 3, 250, 40);
  Move(4, 4, 254, 44);
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 254.0f);
  EXPECT_FLOAT_EQ(input.mouseY, 44.0f);
  // A click is where the button went down, even with motion queued behind it.
  Button(0, true, 300, 200);
  Move(10, 10, 310, 210);
  input.Update();
  EXPECT_EQ(input.calls.back(), "leftdown 300,200");
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 310.0f);
  // No events: the pointer stays where the cursor is.
  input.Update();
  EXPECT_FLOAT_EQ(input.mouseX, 310.0f);
}

}  // namespace
