// A running activity. Every activity's own run ends with the base run, which uses the slot
// and applies the outdoors rule.
#pragma once

class SIM_TimeChunk {
 public:
  SIM_TimeChunk() = default;
  virtual ~SIM_TimeChunk() = default;
  SIM_TimeChunk(const SIM_TimeChunk&) = delete;
  SIM_TimeChunk& operator=(const SIM_TimeChunk&) = delete;

  // Ends the slot; an activity that took the player outdoors ("glob_outdoors" set) brings a
  // cold when today's rain is above 0.25, and the flag is cleared either way.
  virtual void Run();
};
