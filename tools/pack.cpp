// lumaweave pack MANIFEST.json -o OUT.scr: a copy of the program with a
// package appended, described by a JSON manifest (docs/manifest.md).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "package/byte_source.h"
#include "package/package_writer.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/pack_fields.h"

namespace lw {
namespace {

namespace fs = std::filesystem;

struct PackError {
  std::string message;
};

[[noreturn]] void Fail(const std::string& where, const std::string& why) { throw PackError{where + ": " + why}; }

class ManifestReader {
 public:
  explicit ManifestReader(fs::path dir) : dir_(std::move(dir)) {}

  void Read(const Json& m, PackageContent& c, std::string& program) {
    if (m.kind != Json::Kind::Object) Fail("manifest", "expected an object");
    for (const auto& [key, v] : m.object) {
      if (key == "program") program = Path(v, key).string();
      else if (key == "header") Header(v, c.header);
      else if (key == "texts") Texts(v, c.texts);
      else if (key == "lead") c.lead = File(v, key);
      else if (key == "preview") c.preview = File(v, key);
      else if (key == "webBanner") c.webBanner = File(v, key);
      else if (key == "background") c.background = Member(v, key);
      else if (key == "logo") c.logo = Member(v, key);
      else if (key == "exitBanner") c.exitBanner = Member(v, key);
      else if (key == "items") Records(v, key, c.items);
      else if (key == "melodies") Records(v, key, c.melodies);
      else if (key == "masks") Records(v, key, c.masks);
      else if (key == "sounds") Records(v, key, c.sounds);
      else Fail(key, "unknown key (see docs/manifest.md)");
    }
  }

 private:
  fs::path Path(const Json& v, const std::string& where) {
    if (v.kind != Json::Kind::String || v.string.empty()) Fail(where, "expected a file name");
    const fs::path p(v.string);
    return p.is_absolute() ? p : dir_ / p;
  }

  std::vector<uint8_t> File(const Json& v, const std::string& where) {
    const fs::path p = Path(v, where);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(p.string(), bytes)) Fail(where, "cannot read " + p.string());
    return bytes;
  }

  // A member is a file name, or {"file": NAME, "compress": 0..9}.
  PackageMember Member(const Json& v, const std::string& where, std::string* fileName = nullptr) {
    PackageMember m;
    const Json* file = &v;
    if (v.kind == Json::Kind::Object) {
      file = v.Find("file");
      if (!file) Fail(where, "needs a \"file\"");
      if (const Json* level = v.Find("compress")) {
        int64_t n;
        std::string why;
        if (!IntFromJson(*level, 0, 9, n, why)) Fail(where + ".compress", why);
        m.level = static_cast<int>(n);
      }
    }
    m.bytes = File(*file, where + ".file");
    if (fileName) *fileName = file->string;
    return m;
  }

  void Header(const Json& v, PackageHeader& h) {
    if (v.kind != Json::Kind::Object) Fail("header", "expected an object");
    for (const auto& [key, value] : v.object) {
      const Field<PackageHeader>* f = FindField(HeaderFields(), key);
      if (!f) Fail("header", "unknown field '" + key + "'");
      if (IsComputedHeaderField(key)) Fail("header", "'" + key + "' is computed from the members and cannot be set");
      std::string error;
      if (!FieldFromJson(*f, value, h, error)) Fail("header", error);
    }
  }

  void Texts(const Json& v, PackageTexts& t) {
    if (v.kind != Json::Kind::Object) Fail("texts", "expected an object");
    for (const auto& [key, value] : v.object) {
      const int slot = TextSlotByName(key);
      if (slot < 0) Fail("texts", "unknown text '" + key + "'");
      std::string error;
      const bool ok = key == "Effect" ? EffectFromJson(value, t.slot[slot], error)
                                      : TextFromJson(value, 65535, t.slot[slot], error);
      if (!ok) Fail("texts", "'" + key + "': " + error);
    }
  }

  template <class R>
  void Records(const Json& v, const std::string& where, std::vector<PackageEntry<R>>& out) {
    if (v.kind != Json::Kind::Array) Fail(where, "expected an array");
    for (size_t i = 0; i < v.array.size(); ++i) {
      const std::string at = where + "[" + std::to_string(i) + "]";
      const Json& e = v.array[i];
      if (e.kind != Json::Kind::Object) Fail(at, "expected an object");
      PackageEntry<R> entry;
      std::string fileName;
      entry.member = Member(e, at, &fileName);
      bool extGiven = false;
      for (const auto& [key, value] : e.object) {
        if (key == "file" || key == "compress") continue;
        const Field<R>* f = FindField(R::Fields(), key);
        if (!f) Fail(at, "unknown field '" + key + "'");
        if (key == "Offset" || key == "Size" || key == "StoredSize")
          Fail(at, "'" + key + "' is computed from the member and cannot be set");
        std::string error;
        if (!FieldFromJson(*f, value, entry.record, error)) Fail(at, error);
        extGiven |= key == "Ext";
      }
      if (!extGiven) DefaultExt(at, fileName, entry.record);
      out.push_back(std::move(entry));
    }
  }

  // The member file's own extension, when the record has an Ext field.
  template <class R>
  void DefaultExt(const std::string& at, const std::string& fileName, R& r) {
    const Field<R>* f = FindField(R::Fields(), "Ext");
    if (!f) return;
    const std::string ext = fs::path(fileName).extension().string();
    std::string error;
    if (!FieldFromJson(*f, Json::Str(ext), r, error))
      Fail(at, "the file's extension does not fit, give \"Ext\" (" + error + ")");
  }

  fs::path dir_;
};

// The program built next to this tool: build/windows/bin beside build/native/bin.
std::string DefaultProgram() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "lumaweave.scr";
  return (self.parent_path() / ".." / ".." / "windows" / "bin" / "lumaweave.scr").lexically_normal().string();
}

int Usage() {
  std::fputs("usage: lumaweave pack MANIFEST.json -o OUT.scr\n", stderr);
  return 2;
}

int RunPack(const std::vector<std::string>& args) {
  std::string manifest, out;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) out = args[++i];
    else if (manifest.empty() && !args[i].empty() && args[i][0] != '-') manifest = args[i];
    else return Usage();
  }
  if (manifest.empty() || out.empty()) return Usage();

  std::ifstream in(manifest, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "lumaweave pack: cannot read %s\n", manifest.c_str());
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  Json m;
  std::string error;
  if (!ParseJson(text.str(), m, error)) {
    std::fprintf(stderr, "lumaweave pack: %s: %s\n", manifest.c_str(), error.c_str());
    return 1;
  }

  PackageContent content;
  std::string program = DefaultProgram();
  try {
    ManifestReader(fs::path(manifest).parent_path()).Read(m, content, program);
  } catch (const PackError& e) {
    std::fprintf(stderr, "lumaweave pack: %s: %s\n", manifest.c_str(), e.message.c_str());
    return 1;
  }

  std::vector<uint8_t> bytes, package;
  if (!ReadWholeFile(program, bytes)) {
    std::fprintf(stderr,
                 "lumaweave pack: cannot read the program %s (build it with `make windows`, or name it with "
                 "\"program\" in the manifest)\n",
                 program.c_str());
    return 1;
  }
  if (!BuildPackage(content, package)) {
    std::fputs("lumaweave pack: the package is too large for the format (2 GiB)\n", stderr);
    return 1;
  }
  bytes.insert(bytes.end(), package.begin(), package.end());
  std::FILE* f = std::fopen(out.c_str(), "wb");
  const bool written = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (!f || std::fclose(f) != 0 || !written) {
    std::fprintf(stderr, "lumaweave pack: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

CommandRegistration reg{{"pack", "append a package described by a JSON manifest to a copy of the program", RunPack}};

}  // namespace
}  // namespace lw
