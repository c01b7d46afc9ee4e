// The daily process registry: order, deletion of inactive processes, and processes made or
// destroyed while the day's walk runs (run under AddressSanitizer).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/ProcessBase.h"

namespace {

std::vector<std::string> g_runs;

class Recorder : public ProcessBase {
 public:
  explicit Recorder(std::string name) : name_(std::move(name)) {}
  ~Recorder() override { g_runs.push_back("~" + name_); }
  void Process() override {
    g_runs.push_back(name_);
    // A copy: the callback may delete this process, and with it the member.
    if (auto callback = onProcess) callback();
  }
  std::function<void()> onProcess;

 private:
  std::string name_;
};

class ProcessBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_runs.clear();
    baseline_ = ProcessBase::RegisteredCount();
  }
  void TearDown() override { EXPECT_EQ(ProcessBase::RegisteredCount(), baseline_); }
  size_t baseline_ = 0;
};

TEST_F(ProcessBaseTest, RunsInConstructionOrderAndUnregistersOnDestruction) {
  auto* a = new Recorder("a");
  auto* b = new Recorder("b");
  EXPECT_EQ(ProcessBase::RegisteredCount(), baseline_ + 2);
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"a", "b"}));
  delete a;
  g_runs.clear();
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"b"}));
  delete b;
}

TEST_F(ProcessBaseTest, InactiveProcessIsDeletedBeforeAnyProcessRuns) {
  auto* a = new Recorder("a");
  auto* b = new Recorder("b");
  auto* c = new Recorder("c");
  b->active = false;
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"~b", "a", "c"}));
  delete a;
  delete c;
}

TEST_F(ProcessBaseTest, ProcessMadeDuringTheWalkIsReachedInTheSameWalk) {
  auto* a = new Recorder("a");
  Recorder* made = nullptr;
  a->onProcess = [&] {
    if (!made) made = new Recorder("new");
  };
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"a", "new"}));
  delete a;
  delete made;
}

TEST_F(ProcessBaseTest, ProcessDestroyedDuringTheWalkIsSkippedSafely) {
  // "a" loses a friend: the friend and the friend's own process go, one of them not yet reached.
  auto* a = new Recorder("a");
  auto* b = new Recorder("b");
  auto* c = new Recorder("c");
  auto* d = new Recorder("d");
  a->onProcess = [&] {
    delete c;
    c = nullptr;
  };
  b->onProcess = [&] {
    Recorder* self = b;  // a process may also end itself
    b = nullptr;
    delete self;
  };
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"a", "~c", "b", "~b", "d"}));
  EXPECT_EQ(ProcessBase::RegisteredCount(), baseline_ + 2);
  g_runs.clear();
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"a", "d"}));
  a->onProcess = nullptr;
  delete a;
  delete d;
}

TEST_F(ProcessBaseTest, ProcessClearedDuringTheWalkRunsTodayAndIsDeletedTomorrow) {
  auto* a = new Recorder("a");
  auto* b = new Recorder("b");
  a->onProcess = [&] { b->active = false; };
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"a", "b"}));
  g_runs.clear();
  a->onProcess = nullptr;
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_runs, (std::vector<std::string>{"~b", "a"}));
  delete a;
}

}  // namespace
