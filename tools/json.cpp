#include "tools/json.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lw {

Json Json::Bool(bool b) {
  Json j;
  j.kind = Kind::Bool;
  j.boolean = b;
  return j;
}
Json Json::Int(int64_t v) {
  Json j;
  j.kind = Kind::Integer;
  j.integer = v;
  return j;
}
Json Json::Str(std::string s) {
  Json j;
  j.kind = Kind::String;
  j.string = std::move(s);
  return j;
}
Json Json::Arr() {
  Json j;
  j.kind = Kind::Array;
  return j;
}
Json Json::Obj() {
  Json j;
  j.kind = Kind::Object;
  return j;
}

Json& Json::Push(Json v) {
  array.push_back(std::move(v));
  return array.back();
}

Json& Json::Set(std::string key, Json v) {
  object.emplace_back(std::move(key), std::move(v));
  return object.back().second;
}

const Json* Json::Find(const std::string& key) const {
  for (const auto& [k, v] : object)
    if (k == key) return &v;
  return nullptr;
}

namespace {

void AppendUtf8(std::string& s, uint32_t cp) {
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | cp >> 6);
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | cp >> 12);
    s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | cp >> 18);
    s += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

class Parser {
 public:
  explicit Parser(const std::string& t) : t_(t) {}

  bool Document(Json& out, std::string& error) {
    if (!Value(out, 0)) {
      error = "line " + std::to_string(Line()) + ": " + error_;
      return false;
    }
    Space();
    if (i_ != t_.size()) {
      error = "line " + std::to_string(Line()) + ": unexpected text after the value";
      return false;
    }
    return true;
  }

 private:
  bool Fail(const char* why) {
    error_ = why;
    return false;
  }

  int Line() const {
    int line = 1;
    for (size_t k = 0; k < i_ && k < t_.size(); ++k) line += t_[k] == '\n';
    return line;
  }

  void Space() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) ++i_;
  }

  bool Literal(const char* word) {
    size_t k = 0;
    while (word[k] && i_ + k < t_.size() && t_[i_ + k] == word[k]) ++k;
    if (word[k]) return false;
    i_ += k;
    return true;
  }

  bool Value(Json& v, int depth) {
    if (depth > 64) return Fail("nesting too deep");
    Space();
    if (i_ >= t_.size()) return Fail("unexpected end of text");
    const char c = t_[i_];
    if (c == '{') return ObjectValue(v, depth);
    if (c == '[') return ArrayValue(v, depth);
    if (c == '"') {
      v.kind = Json::Kind::String;
      return String(v.string);
    }
    if (Literal("true")) return v = Json::Bool(true), true;
    if (Literal("false")) return v = Json::Bool(false), true;
    if (Literal("null")) return v = Json(), true;
    if (c == '-' || (c >= '0' && c <= '9')) return Number(v);
    return Fail("unexpected character");
  }

  bool ObjectValue(Json& v, int depth) {
    v = Json::Obj();
    ++i_;
    Space();
    if (i_ < t_.size() && t_[i_] == '}') return ++i_, true;
    for (;;) {
      Space();
      std::string key;
      if (i_ >= t_.size() || t_[i_] != '"') return Fail("expected a key in quotes");
      if (!String(key)) return false;
      if (v.Find(key)) return Fail("duplicate key");
      Space();
      if (i_ >= t_.size() || t_[i_] != ':') return Fail("expected ':'");
      ++i_;
      Json member;
      if (!Value(member, depth + 1)) return false;
      v.Set(std::move(key), std::move(member));
      Space();
      if (i_ < t_.size() && t_[i_] == ',') {
        ++i_;
        continue;
      }
      if (i_ < t_.size() && t_[i_] == '}') return ++i_, true;
      return Fail("expected ',' or '}'");
    }
  }

  bool ArrayValue(Json& v, int depth) {
    v = Json::Arr();
    ++i_;
    Space();
    if (i_ < t_.size() && t_[i_] == ']') return ++i_, true;
    for (;;) {
      Json element;
      if (!Value(element, depth + 1)) return false;
      v.Push(std::move(element));
      Space();
      if (i_ < t_.size() && t_[i_] == ',') {
        ++i_;
        continue;
      }
      if (i_ < t_.size() && t_[i_] == ']') return ++i_, true;
      return Fail("expected ',' or ']'");
    }
  }

  bool Hex4(uint32_t& cp) {
    if (i_ + 4 > t_.size()) return Fail("short \\u escape");
    cp = 0;
    for (int k = 0; k < 4; ++k) {
      const char h = t_[i_++];
      cp <<= 4;
      if (h >= '0' && h <= '9') cp |= h - '0';
      else if (h >= 'a' && h <= 'f') cp |= h - 'a' + 10;
      else if (h >= 'A' && h <= 'F') cp |= h - 'A' + 10;
      else return Fail("bad \\u escape");
    }
    return true;
  }

  bool String(std::string& s) {
    ++i_;
    for (;;) {
      if (i_ >= t_.size()) return Fail("unterminated string");
      const char c = t_[i_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        s += c;
        continue;
      }
      if (i_ >= t_.size()) return Fail("unterminated string");
      const char e = t_[i_++];
      switch (e) {
        case '"': s += '"'; break;
        case '\\': s += '\\'; break;
        case '/': s += '/'; break;
        case 'b': s += '\b'; break;
        case 'f': s += '\f'; break;
        case 'n': s += '\n'; break;
        case 'r': s += '\r'; break;
        case 't': s += '\t'; break;
        case 'u': {
          uint32_t cp;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00) {
            uint32_t low;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return Fail("bad surrogate pair");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(s, cp);
          break;
        }
        default: return Fail("bad escape");
      }
    }
  }

  bool Number(Json& v) {
    const size_t start = i_;
    if (t_[i_] == '-') ++i_;
    bool real = false;
    while (i_ < t_.size()) {
      const char c = t_[i_];
      if (c >= '0' && c <= '9') {
      } else if (c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-') {
        real = true;
      } else {
        break;
      }
      ++i_;
    }
    const std::string text = t_.substr(start, i_ - start);
    char* end = nullptr;
    if (!real) {
      errno = 0;
      const long long n = std::strtoll(text.c_str(), &end, 10);
      if (*end || errno) return Fail("bad or too large integer");
      v = Json::Int(n);
      return true;
    }
    const double d = std::strtod(text.c_str(), &end);
    if (*end || !std::isfinite(d)) return Fail("bad number");
    v = Json();
    v.kind = Json::Kind::Real;
    v.real = d;
    return true;
  }

  const std::string& t_;
  size_t i_ = 0;
  std::string error_;
};

void Quote(const std::string& s, std::string& out) {
  out += '"';
  for (const char c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  out += '"';
}

bool IsFlat(const Json& v) {
  for (const Json& e : v.array)
    if (e.kind == Json::Kind::Array || e.kind == Json::Kind::Object) return false;
  return true;
}

void Write(const Json& v, int indent, std::string& out) {
  const std::string pad(indent * 2 + 2, ' ');
  switch (v.kind) {
    case Json::Kind::Null: out += "null"; break;
    case Json::Kind::Bool: out += v.boolean ? "true" : "false"; break;
    case Json::Kind::Integer: out += std::to_string(v.integer); break;
    case Json::Kind::Real: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.17g", v.real);
      out += buf;
      break;
    }
    case Json::Kind::String: Quote(v.string, out); break;
    case Json::Kind::Array:
      if (v.array.empty() || IsFlat(v)) {
        out += '[';
        for (size_t k = 0; k < v.array.size(); ++k) {
          if (k) out += ", ";
          Write(v.array[k], indent + 1, out);
        }
        out += ']';
        break;
      }
      out += "[\n";
      for (size_t k = 0; k < v.array.size(); ++k) {
        out += pad;
        Write(v.array[k], indent + 1, out);
        out += k + 1 < v.array.size() ? ",\n" : "\n";
      }
      out += std::string(indent * 2, ' ') + ']';
      break;
    case Json::Kind::Object:
      if (v.object.empty()) {
        out += "{}";
        break;
      }
      out += "{\n";
      for (size_t k = 0; k < v.object.size(); ++k) {
        out += pad;
        Quote(v.object[k].first, out);
        out += ": ";
        Write(v.object[k].second, indent + 1, out);
        out += k + 1 < v.object.size() ? ",\n" : "\n";
      }
      out += std::string(indent * 2, ' ') + '}';
      break;
  }
}

}  // namespace

bool ParseJson(const std::string& text, Json& out, std::string& error) {
  Json v;
  if (!Parser(text).Document(v, error)) return false;
  out = std::move(v);
  return true;
}

std::string WriteJson(const Json& v) {
  std::string out;
  Write(v, 0, out);
  out += '\n';
  return out;
}

std::string BytesToUtf8(const std::string& bytes) {
  std::string s;
  for (const char c : bytes) AppendUtf8(s, static_cast<unsigned char>(c));
  return s;
}

bool Utf8ToBytes(const std::string& utf8, std::string& bytes) {
  std::string out;
  for (size_t k = 0; k < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[k]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++k;
    } else if ((c & 0xE0) == 0xC0 && k + 1 < utf8.size() && (utf8[k + 1] & 0xC0) == 0x80) {
      const uint32_t cp = (c & 0x1Fu) << 6 | (utf8[k + 1] & 0x3Fu);
      if (cp > 0xFF) return false;
      out += static_cast<char>(cp);
      k += 2;
    } else {
      return false;
    }
  }
  bytes = std::move(out);
  return true;
}

}  // namespace lw
