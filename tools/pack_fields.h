// Package fields as JSON, both ways, for `pack` manifests and `inspect --json`.
//
// Integers are JSON numbers (colours may also be written "0x1FFFFFFF"), byte
// flags numbers or true/false, extensions and short strings text whose
// characters are single bytes (U+0000..U+00FF). An effect selection is an
// array of effect numbers [1, 17, 120] or such a text.
#pragma once
#include <string>

#include "package/field_table.h"
#include "tools/json.h"

namespace lw {

// Effect selections are texts of one character per effect number.
Json EffectToJson(const std::string& selection);
bool EffectFromJson(const Json& v, std::string& selection, std::string& error);

bool IntFromJson(const Json& v, int64_t lo, int64_t hi, int64_t& out, std::string& error);
bool TextFromJson(const Json& v, size_t capacity, std::string& out, std::string& error);

template <class R>
Json FieldToJson(const Field<R>& f, const R& r) {
  switch (f.kind) {
    case FieldKind::Int32: return Json::Int(r.*f.i32);
    case FieldKind::Byte: return Json::Int(r.*f.u8);
    case FieldKind::Ext5: return Json::Str(BytesToUtf8(ExtText(r.*f.ext)));
    case FieldKind::ShortString:
      if (std::string(f.name) == "Effect") return EffectToJson(r.*f.str);
      return Json::Str(BytesToUtf8(r.*f.str));
  }
  return Json();
}

template <class R>
Json FieldsToJson(std::span<const Field<R>> table, const R& r) {
  Json o = Json::Obj();
  for (const Field<R>& f : table) o.Set(f.name, FieldToJson(f, r));
  return o;
}

// Sets one field; on a bad value returns false with a message naming it.
template <class R>
bool FieldFromJson(const Field<R>& f, const Json& v, R& r, std::string& error) {
  std::string why;
  bool ok = false;
  switch (f.kind) {
    case FieldKind::Int32: {
      int64_t n;
      ok = IntFromJson(v, INT32_MIN, UINT32_MAX, n, why);
      if (ok) r.*f.i32 = static_cast<int32_t>(static_cast<uint32_t>(n));
      break;
    }
    case FieldKind::Byte: {
      int64_t n = v.kind == Json::Kind::Bool ? v.boolean : 0;
      ok = v.kind == Json::Kind::Bool || IntFromJson(v, 0, 255, n, why);
      if (ok) r.*f.u8 = static_cast<uint8_t>(n);
      break;
    }
    case FieldKind::Ext5: {
      std::string s;
      ok = TextFromJson(v, 5, s, why);
      if (ok) r.*f.ext = MakeExt5(s);
      break;
    }
    case FieldKind::ShortString:
      ok = std::string(f.name) == "Effect" ? EffectFromJson(v, r.*f.str, why)
                                           : TextFromJson(v, static_cast<size_t>(f.capacity), r.*f.str, why);
      if (ok && (r.*f.str).size() > static_cast<size_t>(f.capacity)) {
        ok = false;
        why = "longer than " + std::to_string(f.capacity) + " characters";
      }
      break;
  }
  if (!ok) error = std::string("'") + f.name + "': " + why;
  return ok;
}

}  // namespace lw
