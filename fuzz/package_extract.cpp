// Fuzzes member extraction with arbitrary positions and sizes: the input is
// 13 bytes of parameters (compressed flag, position, stored length, size,
// little-endian) followed by the file.
#include <cstddef>
#include <cstdint>

#include "fuzz/package_seeds.h"
#include "package/extract_member.h"
#include "package/little_endian.h"

namespace {

constexpr size_t kParams = 13;

class CountingSink : public lw::ByteSink {
 public:
  bool Write(const void*, size_t n) override {
    written += n;
    return true;
  }
  uint64_t written = 0;
};

std::vector<uint8_t> Seed(bool compressed, int32_t pos, int32_t stored, int32_t size, std::vector<uint8_t> file) {
  std::vector<uint8_t> s(kParams);
  s[0] = compressed;
  lw::PutI32(&s[1], pos);
  lw::PutI32(&s[5], stored);
  lw::PutI32(&s[9], size);
  s.insert(s.end(), file.begin(), file.end());
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::vector<uint8_t> member = lw::fuzz::Bytes("a member that compresses, a member that compresses"), packed;
  lw::ZlibCompress(member, 9, packed);
  std::vector<uint8_t> file = lw::fuzz::Bytes("head");
  file.insert(file.end(), packed.begin(), packed.end());
  const int32_t n = static_cast<int32_t>(packed.size());
  lw::fuzz::WriteSeeds("extract_", {
                                       Seed(true, 4, n, static_cast<int32_t>(member.size()), file),
                                       Seed(true, 4, n, 10, file),
                                       Seed(false, 4, 0, 0, file),
                                       Seed(false, 0, 0, 20, file),
                                   });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kParams) return 0;
  const bool compressed = data[0] & 1;
  const int64_t position = lw::GetI32(data + 1);
  const int64_t stored = lw::GetI32(data + 5);
  const int64_t memberSize = lw::GetI32(data + 9);
  lw::MemorySource src(data + kParams, size - kParams);
  CountingSink sink;
  if (compressed) {
    lw::InflateMember(src, position, stored, memberSize, sink);
    if (sink.written > static_cast<uint64_t>(memberSize > 0 ? memberSize : 0)) __builtin_trap();
  } else {
    lw::CopyStoredMember(src, position, memberSize, sink);
    if (sink.written > static_cast<uint64_t>(src.Size())) __builtin_trap();
  }
  return 0;
}
