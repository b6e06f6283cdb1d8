#include "tools/commands.h"

#include <algorithm>
#include <cstring>

namespace lw {
namespace {
std::vector<Command>& Table() {
  static std::vector<Command> table;
  return table;
}
}  // namespace

const std::vector<Command>& Commands() { return Table(); }

CommandRegistration::CommandRegistration(Command c) {
  auto& t = Table();
  t.insert(std::upper_bound(t.begin(), t.end(), c,
                            [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; }),
           c);
}

}  // namespace lw
