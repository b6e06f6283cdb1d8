#include "package/extract_member.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lw {
namespace {

constexpr size_t kInflateInSize = 64 * 1024;
constexpr size_t kInflateOutSize = 64 * 1024;

bool RangeInFile(const ByteSource& src, int64_t position, int64_t length) {
  return position >= 0 && length >= 0 && position <= src.Size() && src.Size() - position >= length;
}

class ZStream {
 public:
  ZStream() { ok_ = inflateInit(&z_) == Z_OK; }
  ~ZStream() {
    if (ok_) inflateEnd(&z_);
  }
  bool ok() const { return ok_; }
  z_stream* operator->() { return &z_; }
  z_stream* get() { return &z_; }

 private:
  z_stream z_{};
  bool ok_;
};

// Replaces target by the finished sibling. Windows' rename does not replace
// an existing file, so that case removes the old one first.
bool ReplaceFile(const std::string& sibling, const std::string& target) {
  if (std::rename(sibling.c_str(), target.c_str()) == 0) return true;
  std::remove(target.c_str());
  return std::rename(sibling.c_str(), target.c_str()) == 0;
}

}  // namespace

bool CopyStoredMember(ByteSource& src, int64_t position, int64_t size, ByteSink& sink) {
  if (position < 0 || position > src.Size()) return false;
  int64_t remaining = size == 0 ? src.Size() - position : size;
  std::vector<uint8_t> piece(static_cast<size_t>(std::clamp<int64_t>(remaining, 0, kStoredPieceSize)));
  while (remaining > 0) {
    const size_t n = static_cast<size_t>(std::min<int64_t>(remaining, kStoredPieceSize));
    if (!src.ReadAt(position, piece.data(), n) || !sink.Write(piece.data(), n)) return false;
    position += static_cast<int64_t>(n);
    remaining -= static_cast<int64_t>(n);
  }
  return true;
}

bool InflateMember(ByteSource& src, int64_t position, int64_t storedLength, int64_t size, ByteSink& sink) {
  if (!RangeInFile(src, position, storedLength)) return false;
  if (size <= 0) return true;  // nothing is asked for
  ZStream z;
  if (!z.ok()) return false;
  std::vector<uint8_t> in(static_cast<size_t>(std::min<int64_t>(storedLength, kInflateInSize)));
  std::vector<uint8_t> out(static_cast<size_t>(std::min<int64_t>(size, kInflateOutSize)));
  int64_t inputLeft = storedLength;
  int64_t produced = 0;
  for (;;) {
    if (z->avail_in == 0 && inputLeft > 0) {
      const size_t n = static_cast<size_t>(std::min<int64_t>(inputLeft, in.size()));
      if (!src.ReadAt(position, in.data(), n)) return false;
      position += static_cast<int64_t>(n);
      inputLeft -= static_cast<int64_t>(n);
      z->next_in = in.data();
      z->avail_in = static_cast<uInt>(n);
    }
    const size_t room = static_cast<size_t>(std::min<int64_t>(size - produced, out.size()));
    z->next_out = out.data();
    z->avail_out = static_cast<uInt>(room);
    const int ret = inflate(z.get(), Z_NO_FLUSH);
    const size_t got = room - z->avail_out;
    if (got && !sink.Write(out.data(), got)) return false;
    produced += static_cast<int64_t>(got);
    if (ret != Z_OK && ret != Z_BUF_ERROR && ret != Z_STREAM_END) return false;
    if (ret == Z_STREAM_END || produced == size) return true;
    if (ret == Z_BUF_ERROR && z->avail_in == 0 && inputLeft == 0) return false;  // the stream was cut short
  }
}

bool ExtractMemberToFile(ByteSource& src, const std::string& targetPath, const MemberRef& m) {
  if (!m.compressed) {
    auto sink = FileSink::Create(targetPath);
    if (!sink) return false;
    const bool copied = CopyStoredMember(src, m.position, m.size, *sink);
    return sink->Close() && copied;
  }
  const std::string sibling = targetPath + ".part";
  auto sink = FileSink::Create(sibling);
  if (!sink) return false;
  const bool inflated = InflateMember(src, m.position, m.storedLength, m.size, *sink);
  if (!sink->Close() || !inflated) {
    std::remove(sibling.c_str());
    return false;
  }
  if (ReplaceFile(sibling, targetPath)) return true;
  std::remove(sibling.c_str());
  return false;
}

void ExtractMember(const std::string& SourcePath, const std::string& TargetPath, bool Compressed, int64_t Position,
                   int64_t StoredLength, int64_t Size) {
  auto src = FileSource::Open(SourcePath);
  if (src) ExtractMemberToFile(*src, TargetPath, {Compressed, Position, StoredLength, Size});
}

}  // namespace lw
