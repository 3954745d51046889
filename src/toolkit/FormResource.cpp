#include "toolkit/FormResource.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxDepth = 100;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  TFormObject ParseRoot() {
    SkipSpace();
    TFormObject root = ParseObject(0);
    SkipSpace();
    if (pos_ != text_.size()) Fail("text after the final 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const AnsiString& what) const {
    throw EParserError("Line " + IntToStr(line_) + ": " + what);
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (!AtEnd() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  AnsiString Identifier() {
    SkipSpace();
    if (!IsIdentStart(Peek())) Fail("identifier expected");
    const std::size_t start = pos_;
    while (!AtEnd() && IsIdentChar(text_[pos_])) ++pos_;
    return AnsiString(text_.substr(start, pos_ - start));
  }

  AnsiString DottedName() {
    AnsiString name = Identifier();
    while (Peek() == '.') {
      ++pos_;
      name += "." + Identifier();
    }
    return name;
  }

  void Expect(char c) {
    SkipSpace();
    if (Peek() != c) Fail(AnsiString("'") + c + "' expected");
    ++pos_;
  }

  bool KeywordAhead(std::string_view word) {
    SkipSpace();
    if (text_.compare(pos_, word.size(), word) != 0) return false;
    const std::size_t after = pos_ + word.size();
    return after >= text_.size() || !IsIdentChar(text_[after]);
  }

  TFormObject ParseObject(int depth) {
    if (depth > kMaxDepth) Fail("components nested too deeply");
    TFormObject object;
    object.Line = line_;
    if (!KeywordAhead("object")) Fail("'object' expected");
    pos_ += 6;
    AnsiString first = Identifier();
    SkipSpace();
    if (Peek() == ':') {
      ++pos_;
      object.Name = first;
      object.ClassName = Identifier();
    } else {
      object.ClassName = first;
    }
    while (true) {
      SkipSpace();
      if (AtEnd()) Fail("'end' expected");
      if (KeywordAhead("end")) {
        pos_ += 3;
        return object;
      }
      if (KeywordAhead("object")) {
        object.Children.push_back(ParseObject(depth + 1));
        continue;
      }
      object.Properties.push_back(ParseProperty(depth));
    }
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    property.Line = line_;
    property.Name = DottedName();
    Expect('=');
    property.Value = ParseValue(depth + 1);
    return property;
  }

  TFormValue ParseValue(int depth) {
    if (depth > kMaxDepth) Fail("values nested too deeply");
    SkipSpace();
    const char c = Peek();
    if (c == '\'' || c == '#') return ParseString();
    if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) return ParseNumber();
    if (c == '[') return ParseSet();
    if (c == '(') return ParseList(depth);
    if (c == '{') return ParseBinary();
    if (c == '<') return ParseCollection(depth);
    if (IsIdentStart(c)) {
      TFormValue v;
      v.ValueKind = TFormValue::Kind::Identifier;
      v.Identifier = DottedName();
      return v;
    }
    Fail("value expected");
  }

  // One quoted or #-coded part after another, joined by '+' across lines.
  TFormValue ParseString() {
    TFormValue v;
    v.ValueKind = TFormValue::Kind::String;
    std::string utf8;
    while (true) {
      const char c = Peek();
      if (c == '\'') {
        ++pos_;
        while (true) {
          if (AtEnd() || text_[pos_] == '\n') Fail("unterminated string");
          if (text_[pos_] == '\'') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
              utf8 += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          utf8 += text_[pos_++];
        }
      } else if (c == '#') {
        ++pos_;
        const std::size_t start = pos_;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        if (pos_ == start || pos_ - start > 5) Fail("character code expected after '#'");
        const long code = std::strtol(std::string(text_.substr(start, pos_ - start)).c_str(), nullptr, 10);
        if (code > 0xFFFF) Fail("character code out of range");
        v.String += platform::Utf8ToWideString(utf8);
        utf8.clear();
        v.String += static_cast<char16_t>(code);
      } else {
        const std::size_t save = pos_;
        const int saveLine = line_;
        SkipSpace();
        if (Peek() == '+') {
          ++pos_;
          SkipSpace();
          if (Peek() == '\'' || Peek() == '#') continue;
          Fail("string expected after '+'");
        }
        pos_ = save;
        line_ = saveLine;
        break;
      }
    }
    v.String += platform::Utf8ToWideString(utf8);
    return v;
  }

  TFormValue ParseNumber() {
    TFormValue v;
    const std::size_t start = pos_;
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') {
      negative = Peek() == '-';
      ++pos_;
    }
    if (Peek() == '$') {
      ++pos_;
      const std::size_t digits = pos_;
      while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      if (pos_ == digits || pos_ - digits > 16) Fail("hexadecimal number expected");
      const unsigned long long u = std::strtoull(std::string(text_.substr(digits, pos_ - digits)).c_str(), nullptr, 16);
      v.Integer = negative ? -static_cast<long long>(u) : static_cast<long long>(u);
      return v;
    }
    const std::size_t digits = pos_;
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    if (pos_ == digits) Fail("number expected");
    bool isFloat = false;
    if (Peek() == '.' && pos_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_ + 1]))) {
      isFloat = true;
      ++pos_;
      while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      isFloat = true;
      ++pos_;
      if (Peek() == '-' || Peek() == '+') ++pos_;
      const std::size_t exponent = pos_;
      while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      if (pos_ == exponent) Fail("exponent expected");
    }
    const std::string number(text_.substr(start, pos_ - start));
    if (isFloat) {
      v.ValueKind = TFormValue::Kind::Float;
      v.Float = std::strtod(number.c_str(), nullptr);
      if (!std::isfinite(v.Float)) Fail("number out of range");
      return v;
    }
    errno = 0;
    v.Integer = std::strtoll(number.c_str(), nullptr, 10);
    if (errno == ERANGE) Fail("number out of range");
    return v;
  }

  TFormValue ParseSet() {
    TFormValue v;
    v.ValueKind = TFormValue::Kind::Set;
    Expect('[');
    SkipSpace();
    if (Peek() == ']') {
      ++pos_;
      return v;
    }
    while (true) {
      v.Set.push_back(Identifier());
      SkipSpace();
      if (Peek() == ']') {
        ++pos_;
        return v;
      }
      Expect(',');
    }
  }

  TFormValue ParseList(int depth) {
    TFormValue v;
    v.ValueKind = TFormValue::Kind::List;
    Expect('(');
    while (true) {
      SkipSpace();
      if (AtEnd()) Fail("')' expected");
      if (Peek() == ')') {
        ++pos_;
        return v;
      }
      v.List.push_back(ParseValue(depth + 1));
    }
  }

  TFormValue ParseBinary() {
    TFormValue v;
    v.ValueKind = TFormValue::Kind::Binary;
    Expect('{');
    int high = -1;
    while (true) {
      SkipSpace();
      if (AtEnd()) Fail("'}' expected");
      const char c = text_[pos_++];
      if (c == '}') break;
      int digit;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else Fail("hexadecimal digit expected");
      if (high < 0) {
        high = digit;
      } else {
        v.Binary.push_back(static_cast<std::uint8_t>(high << 4 | digit));
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hexadecimal digits");
    return v;
  }

  TFormValue ParseCollection(int depth) {
    TFormValue v;
    v.ValueKind = TFormValue::Kind::Collection;
    Expect('<');
    while (true) {
      SkipSpace();
      if (AtEnd()) Fail("'>' expected");
      if (Peek() == '>') {
        ++pos_;
        return v;
      }
      if (!KeywordAhead("item")) Fail("'item' expected");
      pos_ += 4;
      std::vector<TFormProperty> item;
      while (true) {
        SkipSpace();
        if (AtEnd()) Fail("'end' expected");
        if (KeywordAhead("end")) {
          pos_ += 3;
          break;
        }
        item.push_back(ParseProperty(depth + 1));
      }
      v.Items.push_back(std::move(item));
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

TFormObject ParseFormResource(std::string_view text) { return Parser(text).ParseRoot(); }
