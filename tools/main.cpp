// The lumaweave command-line tool: pack, inspect and extract packages, render
// transition effects to pictures.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/commands.h"

namespace {

void Usage() {
  std::fputs(
      "usage: lumaweave COMMAND [ARGS]\n"
      "commands:\n",
      stderr);
  for (const lw::Command& c : lw::Commands()) std::fprintf(stderr, "  %-10s %s\n", c.name, c.summary);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    Usage();
    return argc < 2 ? 2 : 0;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const lw::Command& c : lw::Commands())
    if (std::strcmp(c.name, argv[1]) == 0) return c.run(args);
  std::fprintf(stderr, "lumaweave: unknown command '%s'\n", argv[1]);
  Usage();
  return 2;
}
