// The CLI's command table. Each command lives in its own file and registers
// itself here by name.
#pragma once
#include <string>
#include <vector>

namespace lw {

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& Commands();

// Registration helper: `static CommandRegistration reg{{"pack", "...", RunPack}};`
struct CommandRegistration {
  explicit CommandRegistration(Command c);
};

}  // namespace lw
