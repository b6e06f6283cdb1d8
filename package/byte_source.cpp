#include "package/byte_source.h"

#include <cstring>

#ifdef _WIN32
#include <share.h>
#endif

namespace lw {
namespace {

int SeekTo(std::FILE* f, int64_t pos, int whence) {
#ifdef _WIN32
  return _fseeki64(f, pos, whence);
#else
  return fseeko(f, static_cast<off_t>(pos), whence);
#endif
}

int64_t Tell(std::FILE* f) {
#ifdef _WIN32
  return _ftelli64(f);
#else
  return static_cast<int64_t>(ftello(f));
#endif
}

bool InRange(int64_t pos, size_t n, int64_t size) {
  return pos >= 0 && pos <= size && static_cast<uint64_t>(size - pos) >= n;
}

}  // namespace

bool MemorySource::ReadAt(int64_t pos, void* dst, size_t n) {
  if (!InRange(pos, n, Size())) return false;
  if (n) std::memcpy(dst, data_ + pos, n);
  return true;
}

std::unique_ptr<FileSource> FileSource::Open(const std::string& path) {
#ifdef _WIN32
  // Others may read the file while we do, but not change it.
  std::FILE* f = _fsopen(path.c_str(), "rb", _SH_DENYWR);
#else
  std::FILE* f = std::fopen(path.c_str(), "rb");
#endif
  if (!f) return nullptr;
  int64_t size = -1;
  if (SeekTo(f, 0, SEEK_END) == 0) size = Tell(f);
  if (size < 0) {
    std::fclose(f);
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(f, size));
}

FileSource::~FileSource() { std::fclose(file_); }

bool FileSource::ReadAt(int64_t pos, void* dst, size_t n) {
  if (!InRange(pos, n, size_)) return false;
  if (pos != cursor_) {
    if (SeekTo(file_, pos, SEEK_SET) != 0) {
      cursor_ = -1;
      return false;
    }
    cursor_ = pos;
  }
  const size_t got = std::fread(dst, 1, n, file_);
  cursor_ = got == n ? pos + static_cast<int64_t>(n) : -1;
  return got == n;
}

std::unique_ptr<FileSink> FileSink::Create(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return nullptr;
  return std::unique_ptr<FileSink>(new FileSink(f));
}

FileSink::~FileSink() {
  if (file_) std::fclose(file_);
}

bool FileSink::Write(const void* data, size_t n) { return file_ && std::fwrite(data, 1, n, file_) == n; }

bool FileSink::Close() {
  if (!file_) return false;
  const bool ok = std::ferror(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok && closed;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  auto src = FileSource::Open(path);
  if (!src || static_cast<uint64_t>(src->Size()) > SIZE_MAX) return false;
  out.resize(static_cast<size_t>(src->Size()));
  return src->ReadAt(0, out.data(), out.size());
}

}  // namespace lw
