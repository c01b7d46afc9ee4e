// Named hooks: the data tables name the hobby windows and mini-games an activity opens
// ("call watchtv"), and the table turns the name into the function.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class SIM_FunctionTable {
 public:
  using Hook = std::function<void()>;

  // Built on first use with the game's 13 hook names.
  static SIM_FunctionTable& Instance();
  SIM_FunctionTable(const SIM_FunctionTable&) = delete;
  SIM_FunctionTable& operator=(const SIM_FunctionTable&) = delete;

  void AddHook(const std::string& name, Hook hook);
  // Calls the first hook of exactly that name. An unknown name is a fatal error
  // ("Hook not found: <name>"): the data names a hook the game does not have.
  void CallHook(const std::string& name);
  bool HasHook(const std::string& name) const;

  size_t Count() const { return hooks_.size(); }
  // The registered names in order.
  std::vector<std::string> Names() const;

  // Swaps a registered hook's function and gives back the old one (tests watch hooks this
  // way); an unknown name changes nothing and gives an empty function.
  Hook ReplaceHook(const std::string& name, Hook hook);

 private:
  SIM_FunctionTable();
  std::vector<std::pair<std::string, Hook>> hooks_;
};
