// A small JSON reader and writer for the CLI's manifests and reports.
// Strings hold UTF-8; objects keep their keys in order.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lw {

struct Json {
  enum class Kind { Null, Bool, Integer, Real, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  int64_t integer = 0;
  double real = 0;
  std::string string;
  std::vector<Json> array;
  std::vector<std::pair<std::string, Json>> object;

  Json() = default;
  static Json Bool(bool b);
  static Json Int(int64_t v);
  static Json Str(std::string s);
  static Json Arr();
  static Json Obj();

  // Appends to an array or object.
  Json& Push(Json v);
  Json& Set(std::string key, Json v);
  // The member named key, or nullptr.
  const Json* Find(const std::string& key) const;
};

// On failure returns false and describes where in `error` ("line 3: ...").
bool ParseJson(const std::string& text, Json& out, std::string& error);

// Pretty-printed with two-space indents; short arrays of numbers stay on one line.
std::string WriteJson(const Json& v);

// Texts of the package are single-byte (system code page) strings; in JSON
// each byte is the code point of the same value.
std::string BytesToUtf8(const std::string& bytes);
// False when a character is above U+00FF.
bool Utf8ToBytes(const std::string& utf8, std::string& bytes);

}  // namespace lw
