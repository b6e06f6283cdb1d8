// Fuzzes the package reader (header, trailer, texts, records) and the
// extraction of every member the records name, over an in-memory file.
#include <cstddef>
#include <cstdint>

#include "fuzz/package_seeds.h"
#include "package/extract_member.h"
#include "package/package_reader.h"

namespace {

// Counts what extraction produces; a member never yields more than it may.
class CountingSink : public lw::ByteSink {
 public:
  bool Write(const void*, size_t n) override {
    written += n;
    return true;
  }
  uint64_t written = 0;
};

void Extract(lw::ByteSource& src, const lw::MemberRef& m) {
  CountingSink sink;
  if (m.compressed) {
    lw::InflateMember(src, m.position, m.storedLength, m.size, sink);
    if (sink.written > static_cast<uint64_t>(m.size > 0 ? m.size : 0)) __builtin_trap();
  } else {
    lw::CopyStoredMember(src, m.position, m.size, sink);
    if (sink.written > static_cast<uint64_t>(src.Size())) __builtin_trap();
  }
}

template <class R>
void ExtractAll(lw::ByteSource& src, const lw::Package& p, const std::vector<R>& records) {
  for (size_t i = 0; i < records.size() && i < 8; ++i) Extract(src, lw::RecordMember(p.layout, records[i]));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  lw::fuzz::WriteSeeds("package_", lw::fuzz::SeedPackages());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lw::MemorySource src(data, size);
  lw::Package p;
  const lw::PackageError e = lw::ReadPackage(src, p);
  if (p.layout.fileSize == 0) return 0;  // the header was not accepted
  Extract(src, lw::PreviewMember(p.layout, p.header));
  Extract(src, lw::BackgroundMember(p.layout, p.header));
  Extract(src, lw::LogoMember(p.layout, p.header));
  Extract(src, lw::ExitBannerMember(p.layout, p.header));
  if (e != lw::PackageError::None) return 0;
  ExtractAll(src, p, p.items);
  ExtractAll(src, p, p.masks);
  ExtractAll(src, p, p.sounds);
  ExtractAll(src, p, p.melodies);
  return 0;
}
