// The text block: 18 texts, each a 16-bit little-endian byte count followed
// by that many bytes in the system code page. Reserved slots are kept so a
// package can be written back unchanged.
#pragma once
#include <array>
#include <string>

namespace lw {

constexpr int kTextCount = 18;

enum class TextSlot : int {
  Title = 0,
  AboutText = 1,
  Website = 2,
  ExitLink = 11,
  BannerLink = 12,
  ExitBannerLink = 13,
  Effect = 16,
  Translation = 17,
};

struct PackageTexts {
  std::array<std::string, kTextCount> slot;

  std::string& operator[](TextSlot s) { return slot[static_cast<int>(s)]; }
  const std::string& operator[](TextSlot s) const { return slot[static_cast<int>(s)]; }
  const std::string& Title() const { return (*this)[TextSlot::Title]; }
  const std::string& AboutText() const { return (*this)[TextSlot::AboutText]; }
  const std::string& Website() const { return (*this)[TextSlot::Website]; }
  const std::string& ExitLink() const { return (*this)[TextSlot::ExitLink]; }
  const std::string& BannerLink() const { return (*this)[TextSlot::BannerLink]; }
  const std::string& ExitBannerLink() const { return (*this)[TextSlot::ExitBannerLink]; }
  const std::string& Effect() const { return (*this)[TextSlot::Effect]; }
  const std::string& Translation() const { return (*this)[TextSlot::Translation]; }

  bool operator==(const PackageTexts&) const = default;
};

// The name of slot i (0-based), or nullptr for a reserved slot.
const char* TextName(int i);
// The slot of a named text, or -1.
int TextSlotByName(const std::string& name);

}  // namespace lw
