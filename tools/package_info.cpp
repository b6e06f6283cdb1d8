// lumaweave inspect FILE [--json]: what a package holds, field by field.
#include <cstdio>
#include <string>

#include "package/package_reader.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/pack_fields.h"

namespace lw {
namespace {

const char* const kSectionNames[kSectionCount] = {"lead",         "preview",      "webBanner", "exitBanner",
                                                  "logo",         "itemRecords",  "maskRecords", "soundRecords",
                                                  "background",   "melodies",     "texts"};

// Reads as far as the package allows; the error says where it stopped.
struct Inspection {
  Package p;
  bool headerRead = false, textsRead = false, recordsRead = false;
  PackageError error = PackageError::None;
};

Inspection Inspect(ByteSource& src) {
  Inspection in;
  Package& p = in.p;
  in.error = ReadPackageHeader(src, p.header, p.layout);
  if (in.error != PackageError::None) return in;
  in.headerRead = true;
  in.error = ReadPackageTexts(src, p.layout, p.texts);
  if (in.error != PackageError::None) return in;
  in.textsRead = true;
  in.error = ReadRecords(src, p.header, p.layout, p.items);
  if (in.error == PackageError::None) in.error = ReadRecords(src, p.header, p.layout, p.masks);
  if (in.error == PackageError::None) in.error = ReadRecords(src, p.header, p.layout, p.sounds);
  if (in.error == PackageError::None) in.error = ReadRecords(src, p.header, p.layout, p.melodies);
  in.recordsRead = in.error == PackageError::None;
  return in;
}

template <class R>
Json RecordsToJson(const std::vector<R>& records) {
  Json a = Json::Arr();
  for (const R& r : records) a.Push(FieldsToJson(R::Fields(), r));
  return a;
}

Json ToJson(const Inspection& in) {
  const Package& p = in.p;
  Json o = Json::Obj();
  if (in.error != PackageError::None) o.Set("error", Json::Str(DescribePackageError(in.error)));
  if (!in.headerRead) return o;
  Json layout = Json::Obj();
  layout.Set("fileSize", Json::Int(p.layout.fileSize));
  layout.Set("packageStart", Json::Int(p.layout.packageStart));
  Json sections = Json::Obj();
  for (int i = 0; i < kSectionCount; ++i) sections.Set(kSectionNames[i], Json::Int(p.layout.sectionStart[i]));
  layout.Set("sectionStart", std::move(sections));
  o.Set("layout", std::move(layout));
  o.Set("header", FieldsToJson(HeaderFields(), p.header));
  if (!in.textsRead) return o;
  Json texts = Json::Obj();
  for (int i = 0; i < kTextCount; ++i) {
    if (!TextName(i)) continue;
    texts.Set(TextName(i), i == static_cast<int>(TextSlot::Effect) ? EffectToJson(p.texts.slot[i])
                                                                    : Json::Str(BytesToUtf8(p.texts.slot[i])));
  }
  o.Set("texts", std::move(texts));
  if (!in.recordsRead) return o;
  o.Set("items", RecordsToJson(p.items));
  o.Set("melodies", RecordsToJson(p.melodies));
  o.Set("masks", RecordsToJson(p.masks));
  o.Set("sounds", RecordsToJson(p.sounds));
  return o;
}

// Texts shown with C-style escapes so control characters stay visible.
std::string Printable(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20 || u >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string EffectList(const std::string& selection) {
  std::string out = "[";
  for (size_t i = 0; i < selection.size(); ++i)
    out += (i ? " " : "") + std::to_string(static_cast<unsigned char>(selection[i]));
  return out + "]";
}

template <class R>
std::string FieldText(const Field<R>& f, const R& r) {
  const std::string name = f.name;
  switch (f.kind) {
    case FieldKind::Int32:
      if (name.find("Color") != std::string::npos) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%08X", static_cast<uint32_t>(r.*f.i32));
        return buf;
      }
      return std::to_string(r.*f.i32);
    case FieldKind::Byte: return std::to_string(r.*f.u8);
    case FieldKind::Ext5: return Printable(ExtText(r.*f.ext));
    case FieldKind::ShortString: return name == "Effect" ? EffectList(r.*f.str) : Printable(r.*f.str);
  }
  return "";
}

template <class R>
void PrintFields(std::span<const Field<R>> table, const R& r, const char* indent) {
  for (const Field<R>& f : table) std::printf("%s%-22s %s\n", indent, f.name, FieldText(f, r).c_str());
}

template <class R>
void PrintRecords(const char* title, const std::vector<R>& records, const PackageLayout& layout) {
  std::printf("%s (%zu):\n", title, records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    const MemberRef m = RecordMember(layout, records[i]);
    std::printf("  [%zu] member at %lld, %s\n", i, static_cast<long long>(m.position),
                m.compressed ? "compressed" : "stored");
    PrintFields(R::Fields(), records[i], "    ");
  }
}

void PrintReadable(const std::string& path, const Inspection& in) {
  const Package& p = in.p;
  if (!in.headerRead) return;
  std::printf("file %s: %lld bytes, package starts at %lld\n", path.c_str(),
              static_cast<long long>(p.layout.fileSize), static_cast<long long>(p.layout.packageStart));
  std::printf("sections:\n");
  for (int i = 0; i < kSectionCount; ++i) {
    const int64_t len = SectionLength(p.header, static_cast<Section>(i));
    std::printf("  %-14s at %-10lld", kSectionNames[i], static_cast<long long>(p.layout.sectionStart[i]));
    if (i + 1 < kSectionCount) std::printf(" %lld bytes", static_cast<long long>(len));
    std::printf("\n");
  }
  std::printf("header:\n");
  PrintFields(HeaderFields(), p.header, "  ");
  if (!in.textsRead) return;
  std::printf("texts:\n");
  for (int i = 0; i < kTextCount; ++i) {
    if (!TextName(i)) continue;
    const std::string& t = p.texts.slot[i];
    std::printf("  %-22s %s\n", TextName(i),
                i == static_cast<int>(TextSlot::Effect) ? EffectList(t).c_str() : Printable(t).c_str());
  }
  if (!in.recordsRead) return;
  PrintRecords("items", p.items, p.layout);
  PrintRecords("melodies", p.melodies, p.layout);
  PrintRecords("masks", p.masks, p.layout);
  PrintRecords("sounds", p.sounds, p.layout);
}

int RunInspect(const std::vector<std::string>& args) {
  std::string path;
  bool json = false;
  bool usage = false;
  for (const std::string& a : args) {
    if (a == "--json") json = true;
    else if (path.empty() && !a.empty() && a[0] != '-') path = a;
    else usage = true;
  }
  if (usage || path.empty()) {
    std::fputs("usage: lumaweave inspect FILE [--json]\n", stderr);
    return 2;
  }
  auto src = FileSource::Open(path);
  if (!src) {
    std::fprintf(stderr, "lumaweave inspect: cannot open %s\n", path.c_str());
    return 1;
  }
  const Inspection in = Inspect(*src);
  if (json)
    std::fputs(WriteJson(ToJson(in)).c_str(), stdout);
  else
    PrintReadable(path, in);
  if (in.error != PackageError::None) {
    std::fprintf(stderr, "lumaweave inspect: %s: %s\n", path.c_str(), DescribePackageError(in.error));
    return 1;
  }
  return 0;
}

CommandRegistration reg{{"inspect", "print a package's header, texts and records (--json for JSON)", RunInspect}};

}  // namespace
}  // namespace lw
