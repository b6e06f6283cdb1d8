// Fixed-size binary structures described as tables of named fields. One table
// per structure drives decoding, encoding, the CLI's manifest and its JSON
// output, so a field's name, offset and type are written down once.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "package/little_endian.h"

namespace lw {

// A file extension in a 5-character array: ".GIF" plus a 0 byte, or all five
// characters (".MPEG") with no terminator.
using Ext5 = std::array<char, 5>;

// The characters before the first 0 byte, at most 5.
inline std::string ExtText(const Ext5& e) {
  size_t n = 0;
  while (n < e.size() && e[n] != 0) ++n;
  return std::string(e.data(), n);
}

// Longer texts are cut to 5 characters; shorter ones are padded with 0 bytes.
inline Ext5 MakeExt5(const std::string& s) {
  Ext5 e{};
  std::memcpy(e.data(), s.data(), s.size() < e.size() ? s.size() : e.size());
  return e;
}

enum class FieldKind : uint8_t { Int32, Byte, Ext5, ShortString };

template <class R>
struct Field {
  const char* name;
  int offset;
  FieldKind kind;
  int capacity;  // ShortString: most characters; Ext5: 5
  int32_t R::*i32 = nullptr;
  uint8_t R::*u8 = nullptr;
  Ext5 R::*ext = nullptr;
  std::string R::*str = nullptr;

  static constexpr Field Int(const char* n, int off, int32_t R::*m) { return {n, off, FieldKind::Int32, 0, m}; }
  static constexpr Field Byte(const char* n, int off, uint8_t R::*m) {
    return {n, off, FieldKind::Byte, 0, nullptr, m};
  }
  static constexpr Field Ext(const char* n, int off, Ext5 R::*m) {
    return {n, off, FieldKind::Ext5, 5, nullptr, nullptr, m};
  }
  static constexpr Field Short(const char* n, int off, int cap, std::string R::*m) {
    return {n, off, FieldKind::ShortString, cap, nullptr, nullptr, nullptr, m};
  }
};

// Reads every field of the table from p. A short string's length byte larger
// than its capacity is limited to the capacity, so a damaged record never
// reaches into the next field.
template <class R>
void DecodeFields(std::span<const Field<R>> table, const uint8_t* p, R& r) {
  for (const Field<R>& f : table) {
    const uint8_t* q = p + f.offset;
    switch (f.kind) {
      case FieldKind::Int32: r.*f.i32 = GetI32(q); break;
      case FieldKind::Byte: r.*f.u8 = *q; break;
      case FieldKind::Ext5: std::memcpy((r.*f.ext).data(), q, 5); break;
      case FieldKind::ShortString: {
        const size_t n = q[0] < f.capacity ? q[0] : static_cast<size_t>(f.capacity);
        (r.*f.str).assign(reinterpret_cast<const char*>(q + 1), n);
        break;
      }
    }
  }
}

// Writes every field of the table into p, which the caller has zeroed, so
// bytes no field covers stay 0. Short strings longer than their capacity
// are cut.
template <class R>
void EncodeFields(std::span<const Field<R>> table, const R& r, uint8_t* p) {
  for (const Field<R>& f : table) {
    uint8_t* q = p + f.offset;
    switch (f.kind) {
      case FieldKind::Int32: PutI32(q, r.*f.i32); break;
      case FieldKind::Byte: *q = r.*f.u8; break;
      case FieldKind::Ext5: std::memcpy(q, (r.*f.ext).data(), 5); break;
      case FieldKind::ShortString: {
        const std::string& s = r.*f.str;
        const size_t n = s.size() < size_t(f.capacity) ? s.size() : size_t(f.capacity);
        q[0] = static_cast<uint8_t>(n);
        std::memcpy(q + 1, s.data(), n);
        break;
      }
    }
  }
}

template <class R>
const Field<R>* FindField(std::span<const Field<R>> table, const std::string& name) {
  for (const Field<R>& f : table)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace lw
