// Random-access byte sources and sequential sinks. The package reader and the
// member extraction work on these so the same code reads the program's own
// file, a file named by the CLI, or a buffer in a test or a fuzz target.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace lw {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Length in bytes, fixed when the source was opened.
  virtual int64_t Size() const = 0;
  // Reads exactly n bytes starting at pos. False when any of them lies
  // outside 0..Size() or the read fails; dst is then unspecified.
  virtual bool ReadAt(int64_t pos, void* dst, size_t n) = 0;
};

// A view of bytes owned by the caller.
class MemorySource final : public ByteSource {
 public:
  MemorySource(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  explicit MemorySource(const std::vector<uint8_t>& bytes) : MemorySource(bytes.data(), bytes.size()) {}
  int64_t Size() const override { return static_cast<int64_t>(size_); }
  bool ReadAt(int64_t pos, void* dst, size_t n) override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// A file opened for reading, denying writers where the system can; 64-bit
// positions on every platform.
class FileSource final : public ByteSource {
 public:
  // Null when the file cannot be opened or measured. The path is a narrow
  // string in the system code page.
  static std::unique_ptr<FileSource> Open(const std::string& path);
  ~FileSource() override;
  int64_t Size() const override { return size_; }
  bool ReadAt(int64_t pos, void* dst, size_t n) override;

 private:
  FileSource(std::FILE* f, int64_t size) : file_(f), size_(size) {}
  std::FILE* file_;
  int64_t size_;
  int64_t cursor_ = -1;  // where the stream stands; -1 = unknown
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Write(const void* data, size_t n) = 0;
};

// Writes to a file created (or truncated) by Open; Close reports whether
// everything reached the file.
class FileSink final : public ByteSink {
 public:
  static std::unique_ptr<FileSink> Create(const std::string& path);
  ~FileSink() override;
  bool Write(const void* data, size_t n) override;
  bool Close();

 private:
  explicit FileSink(std::FILE* f) : file_(f) {}
  std::FILE* file_;
};

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

}  // namespace lw
