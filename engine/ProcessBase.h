// The base of every object that does work once per game day (relationships, the romance,
// boredom, ...). Each process registers itself on construction, in construction order, and
// unregisters on destruction; ProcessAll runs them all from the day step.
#pragma once

#include <cstddef>

class ProcessBase {
 public:
  ProcessBase();
  virtual ~ProcessBase();
  ProcessBase(const ProcessBase&) = delete;
  ProcessBase& operator=(const ProcessBase&) = delete;

  // The daily work; nothing in the base.
  virtual void Process() {}

  // Deletes (with delete) every registered process whose active flag is clear.
  static void DeleteInactive();
  // DeleteInactive, then Process on every registered process in registry order. A process
  // made during the walk is reached in the same walk; one destroyed during the walk (even
  // one not yet reached) is skipped safely.
  static void ProcessAll();
  // How many processes are registered now.
  static size_t RegisteredCount();

  // Cleared by the owner when the process is finished; the next daily run deletes it.
  bool active = true;
};
