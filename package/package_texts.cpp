#include "package/package_texts.h"

namespace lw {
namespace {

// In block order; reserved slots have no name.
constexpr const char* kNames[kTextCount] = {
    "Title",    "AboutText",  "Website",        nullptr, nullptr, nullptr,  nullptr,      nullptr, nullptr,
    nullptr,    nullptr,      "ExitLink",       "BannerLink", "ExitBannerLink", nullptr, nullptr, "Effect",
    "Translation",
};

}  // namespace

const char* TextName(int i) { return i >= 0 && i < kTextCount ? kNames[i] : nullptr; }

int TextSlotByName(const std::string& name) {
  for (int i = 0; i < kTextCount; ++i)
    if (kNames[i] && name == kNames[i]) return i;
  return -1;
}

}  // namespace lw
