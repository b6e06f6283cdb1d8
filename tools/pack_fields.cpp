#include "tools/pack_fields.h"

#include <cstdlib>

namespace lw {

Json EffectToJson(const std::string& selection) {
  Json a = Json::Arr();
  for (const char c : selection) a.Push(Json::Int(static_cast<unsigned char>(c)));
  return a;
}

bool EffectFromJson(const Json& v, std::string& selection, std::string& error) {
  if (v.kind == Json::Kind::String) return TextFromJson(v, 65535, selection, error);
  if (v.kind != Json::Kind::Array) {
    error = "expected an array of effect numbers";
    return false;
  }
  std::string s;
  for (const Json& e : v.array) {
    int64_t n;
    if (!IntFromJson(e, 1, 120, n, error)) {
      error = "effect numbers are 1..120";
      return false;
    }
    s += static_cast<char>(n);
  }
  selection = std::move(s);
  return true;
}

bool IntFromJson(const Json& v, int64_t lo, int64_t hi, int64_t& out, std::string& error) {
  int64_t n = 0;
  if (v.kind == Json::Kind::Integer) {
    n = v.integer;
  } else if (v.kind == Json::Kind::String && v.string.size() > 2 && v.string[0] == '0' &&
             (v.string[1] == 'x' || v.string[1] == 'X')) {
    char* end = nullptr;
    n = std::strtoll(v.string.c_str() + 2, &end, 16);
    if (*end || v.string.size() > 10) {
      error = "bad hexadecimal number";
      return false;
    }
  } else {
    error = "expected an integer";
    return false;
  }
  if (n < lo || n > hi) {
    error = std::to_string(n) + " is out of range " + std::to_string(lo) + ".." + std::to_string(hi);
    return false;
  }
  out = n;
  return true;
}

bool TextFromJson(const Json& v, size_t capacity, std::string& out, std::string& error) {
  if (v.kind != Json::Kind::String) {
    error = "expected a text";
    return false;
  }
  std::string bytes;
  if (!Utf8ToBytes(v.string, bytes)) {
    error = "holds a character above U+00FF";
    return false;
  }
  if (bytes.size() > capacity) {
    error = "longer than " + std::to_string(capacity) + " characters";
    return false;
  }
  out = std::move(bytes);
  return true;
}

}  // namespace lw
