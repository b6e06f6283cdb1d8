// lumaweave extract FILE --item N|--melody N|--mask N|--sound N|--background|
//                        --logo|--exit-banner|--preview -o OUT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "package/extract_member.h"
#include "package/package_reader.h"
#include "tools/commands.h"

namespace lw {
namespace {

int Usage() {
  std::fputs(
      "usage: lumaweave extract FILE (--item N | --melody N | --mask N | --sound N | --background | --logo |\n"
      "                               --exit-banner | --preview) -o OUT\n",
      stderr);
  return 2;
}

int Fail(const std::string& path, const std::string& why) {
  std::fprintf(stderr, "lumaweave extract: %s: %s\n", path.c_str(), why.c_str());
  return 1;
}

// The member of record `index` of kind R, read from the package.
template <class R>
bool RecordMemberAt(ByteSource& src, const PackageHeader& h, const PackageLayout& l, long index, MemberRef& m,
                    std::string& error) {
  std::vector<R> records;
  const PackageError e = ReadRecords(src, h, l, records);
  if (e != PackageError::None) {
    error = DescribePackageError(e);
    return false;
  }
  if (index < 0 || static_cast<size_t>(index) >= records.size()) {
    error = "there is no record " + std::to_string(index) + " (the package has " + std::to_string(records.size()) +
            ")";
    return false;
  }
  m = RecordMember(l, records[static_cast<size_t>(index)]);
  return true;
}

int RunExtract(const std::vector<std::string>& args) {
  std::string path, out, which;
  long index = -1;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if ((a == "--item" || a == "--melody" || a == "--mask" || a == "--sound") && i + 1 < args.size() &&
               which.empty()) {
      which = a;
      char* end = nullptr;
      index = std::strtol(args[++i].c_str(), &end, 10);
      if (*end || args[i].empty()) return Usage();
    } else if ((a == "--background" || a == "--logo" || a == "--exit-banner" || a == "--preview") &&
               which.empty()) {
      which = a;
    } else if (path.empty() && !a.empty() && a[0] != '-') {
      path = a;
    } else {
      return Usage();
    }
  }
  if (path.empty() || out.empty() || which.empty()) return Usage();

  auto src = FileSource::Open(path);
  if (!src) return Fail(path, "cannot open");
  PackageHeader h;
  PackageLayout l;
  const PackageError e = ReadPackageHeader(*src, h, l);
  if (e != PackageError::None) return Fail(path, DescribePackageError(e));

  MemberRef m;
  std::string error;
  bool found = true;
  if (which == "--item") found = RecordMemberAt<ItemRecord>(*src, h, l, index, m, error);
  else if (which == "--melody") found = RecordMemberAt<MelodyRecord>(*src, h, l, index, m, error);
  else if (which == "--mask") found = RecordMemberAt<MaskRecord>(*src, h, l, index, m, error);
  else if (which == "--sound") found = RecordMemberAt<SoundRecord>(*src, h, l, index, m, error);
  else if (which == "--background") m = BackgroundMember(l, h);
  else if (which == "--logo") m = LogoMember(l, h);
  else if (which == "--exit-banner") m = ExitBannerMember(l, h);
  else m = PreviewMember(l, h);
  if (!found) return Fail(path, error);
  // The fixed members are absent when their section is empty.
  if (m.storedLength <= 0 && (which == "--background" || which == "--logo" || which == "--exit-banner" ||
                              which == "--preview"))
    return Fail(path, "the package has no " + which.substr(2));
  if (!ExtractMemberToFile(*src, out, m)) return Fail(path, "the member could not be extracted to " + out);
  return 0;
}

CommandRegistration reg{{"extract", "write one member of a package to a file", RunExtract}};

}  // namespace
}  // namespace lw
