// Extraction of a large compressed member against a plain zlib inflate loop
// over the same bytes, and the extraction's peak memory for two member sizes.
//
//   build/native/bin/bench_extract
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "package/extract_member.h"
#include "package/package_reader.h"

namespace {

namespace fs = std::filesystem;

constexpr int64_t kLargeMember = 256ll << 20;
constexpr int64_t kSmallMember = 16ll << 20;

// Text-like bytes that deflate to about a third.
class TextGenerator {
 public:
  void Fill(std::vector<uint8_t>& out) {
    static const char* const kWords[] = {"autumn ", "leaves ", "slide ", "show ", "the ", "of ", "river ",
                                         "light ", "evening ", "mountain ", "and ", "\n", "colour ", "a ",
                                         "window ", "transition "};
    size_t i = 0;
    while (i < out.size()) {
      seed_ = seed_ * 1103515245u + 12345u;
      const char* w = kWords[(seed_ >> 16) & 15];
      const size_t n = std::min(std::strlen(w), out.size() - i);
      std::memcpy(out.data() + i, w, n);
      i += n;
      if ((seed_ >> 8 & 7) == 0 && i < out.size()) out[i++] = static_cast<uint8_t>('0' + (seed_ >> 24) % 10);
    }
  }

 private:
  uint32_t seed_ = 1;
};

struct Member {
  std::string path;  // a package holding one item
  lw::MemberRef ref;
};

// Streams a package with one compressed item of `size` bytes into `path`,
// never holding the member in memory.
Member WritePackage(const std::string& path, int64_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  const char program[] = "program bytes";
  std::fwrite(program, 1, sizeof program, f);
  uint8_t record[lw::ItemRecord::kBytes] = {};
  std::fwrite(record, 1, sizeof record, f);  // written again once the sizes are known

  z_stream z{};
  deflateInit(&z, 6);
  TextGenerator gen;
  std::vector<uint8_t> in(1 << 20), out(1 << 20);
  int64_t left = size, stored = 0;
  int flush = Z_NO_FLUSH;
  do {
    const size_t n = static_cast<size_t>(std::min<int64_t>(left, in.size()));
    in.resize(n);
    gen.Fill(in);
    left -= static_cast<int64_t>(n);
    flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    z.next_in = in.data();
    z.avail_in = static_cast<uInt>(n);
    do {
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      deflate(&z, flush);
      const size_t got = out.size() - z.avail_out;
      std::fwrite(out.data(), 1, got, f);
      stored += static_cast<int64_t>(got);
    } while (z.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&z);

  for (int t = 0; t < lw::kTextCount; ++t) std::fwrite("\0\0", 1, 2, f);
  lw::PackageHeader h;
  h.ItemCount = 1;
  h.ItemSectionSize = static_cast<int32_t>(lw::ItemRecord::kBytes + stored);
  h.PackageSize = h.ItemSectionSize + 2 * lw::kTextCount + lw::kPackageTailSize;
  uint8_t header[lw::kHeaderSize];
  lw::EncodeHeader(h, header);
  std::fwrite(header, 1, sizeof header, f);
  std::fwrite(lw::kTrailer, 1, lw::kTrailerSize, f);

  lw::ItemRecord item;
  item.Offset = lw::ItemRecord::kBytes;
  item.Size = static_cast<int32_t>(size);
  item.StoredSize = static_cast<int32_t>(stored);
  item.Ext = lw::MakeExt5(".txt");
  lw::EncodeRecord(item, record);
  std::fseek(f, sizeof program, SEEK_SET);
  std::fwrite(record, 1, sizeof record, f);
  std::fclose(f);

  // Read back the way the program does.
  auto src = lw::FileSource::Open(path);
  lw::Package p;
  if (!src || lw::ReadPackage(*src, p) != lw::PackageError::None) {
    std::fprintf(stderr, "bench_extract: the package could not be read\n");
    std::exit(1);
  }
  return {path, lw::RecordMember(p.layout, p.items[0])};
}

const fs::path& Dir() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("lw_bench_extract_" + std::to_string(getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

const Member& Large() {
  static const Member m = WritePackage((Dir() / "large.scr").string(), kLargeMember);
  return m;
}

void BM_ExtractMember(benchmark::State& state) {
  const Member& m = Large();
  const std::string target = (Dir() / "SSIMG.txt").string();
  for (auto _ : state) {
    lw::ExtractMember(m.path, target, true, m.ref.position, m.ref.storedLength, m.ref.size);
    state.PauseTiming();
    if (static_cast<int64_t>(fs::file_size(target)) != m.ref.size) state.SkipWithError("wrong size");
    fs::remove(target);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * m.ref.size);
}

class DiscardSink : public lw::ByteSink {
 public:
  bool Write(const void* data, size_t) override {
    benchmark::DoNotOptimize(data);
    return true;
  }
};

// The extraction's own inflate loop, without the file it writes.
void BM_InflateMemberNoFile(benchmark::State& state) {
  const Member& m = Large();
  for (auto _ : state) {
    auto src = lw::FileSource::Open(m.path);
    DiscardSink sink;
    if (!lw::InflateMember(*src, m.ref.position, m.ref.storedLength, m.ref.size, sink)) state.SkipWithError("failed");
  }
  state.SetBytesProcessed(state.iterations() * m.ref.size);
}

// The baseline: read the stream in pieces and inflate it, discarding the output.
void BM_PlainInflate(benchmark::State& state) {
  const Member& m = Large();
  std::vector<uint8_t> in(64 << 10), out(256 << 10);
  for (auto _ : state) {
    std::FILE* f = std::fopen(m.path.c_str(), "rb");
    std::fseek(f, static_cast<long>(m.ref.position), SEEK_SET);
    z_stream z{};
    inflateInit(&z);
    int64_t left = m.ref.storedLength, produced = 0;
    int ret = Z_OK;
    while (ret == Z_OK) {
      if (z.avail_in == 0) {
        const size_t n = std::fread(in.data(), 1, static_cast<size_t>(std::min<int64_t>(left, in.size())), f);
        left -= static_cast<int64_t>(n);
        z.next_in = in.data();
        z.avail_in = static_cast<uInt>(n);
      }
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      ret = inflate(&z, Z_NO_FLUSH);
      produced += static_cast<int64_t>(out.size() - z.avail_out);
      benchmark::DoNotOptimize(out.data());
    }
    inflateEnd(&z);
    std::fclose(f);
    if (produced != m.ref.size) state.SkipWithError("wrong size");
  }
  state.SetBytesProcessed(state.iterations() * m.ref.size);
}

BENCHMARK(BM_ExtractMember)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_InflateMemberNoFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PlainInflate)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

class Capture : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      real[r.benchmark_name()] = r.GetAdjustedRealTime();
      cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> real, cpu;
};

// kB from a line of /proc/self/status.
long StatusKb(const char* key) {
  std::ifstream f("/proc/self/status");
  std::string line;
  while (std::getline(f, line))
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
  return -1;
}

// The growth of the peak resident size during one extraction, in kB.
long ExtractionPeakKb(const Member& m) {
  std::ofstream("/proc/self/clear_refs") << "5";  // restart the peak from the current size
  const long before = StatusKb("VmRSS:");
  lw::ExtractMember(m.path, (Dir() / "SSIMG.txt").string(), true, m.ref.position, m.ref.storedLength, m.ref.size);
  return StatusKb("VmHWM:") - before;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Large();
  const Member small = WritePackage((Dir() / "small.scr").string(), kSmallMember);
  Capture reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  // Wall time suffers from other processes on a shared machine; CPU time
  // (the thread's, system time included) is the steadier comparison.
  const std::string p = "BM_PlainInflate/iterations:3/real_time";
  const struct {
    const char* what;
    std::string name;
  } ratios[] = {{"extraction into a file", "BM_ExtractMember/iterations:3/real_time"},
                {"extraction's inflate loop alone", "BM_InflateMemberNoFile/iterations:3/real_time"}};
  for (const auto& r : ratios)
    if (reporter.real[r.name] > 0 && reporter.cpu[r.name] > 0)
      std::printf("speed ratio, plain inflate / %s: %.2f by CPU time, %.2f by wall time\n", r.what,
                  reporter.cpu[p] / reporter.cpu[r.name], reporter.real[p] / reporter.real[r.name]);
  for (const Member* m : {&small, &Large()}) {
    const long growth = ExtractionPeakKb(*m);
    std::printf("extracting %lld MB: peak resident size %ld kB, %ld kB above the size before\n",
                static_cast<long long>(m->ref.size >> 20), StatusKb("VmHWM:"), growth);
  }
  fs::remove_all(Dir());
  benchmark::Shutdown();
  return 0;
}
