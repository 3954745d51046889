// Reading the statements the TDS backend sends through sp_executesql back
// into the procedure calls they make.
#include <cctype>

#include "platform/base/sysutils.h"
#include "services/tds_responder.h"

namespace tdstest {

namespace {

class StatementReader {
 public:
  explicit StatementReader(const std::string& text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])) != 0) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= text_.size();
  }
  bool Take(const std::string& word) {
    SkipBlanks();
    if (text_.compare(pos_, word.size(), word) != 0) return false;
    pos_ += word.size();
    return true;
  }
  void Expect(const std::string& word) {
    if (!Take(word)) throw WireError("statement lacks \"" + word + "\" at " + std::to_string(pos_) + ": " + text_);
  }
  std::string Variable() {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != '@') throw WireError("statement lacks a variable: " + text_);
    const std::size_t start = pos_++;
    while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) != 0 || text_[pos_] == '_')) {
      ++pos_;
    }
    return text_.substr(start, pos_ - start);
  }
  // A bracketed name of one to three parts, as written.
  std::string Name() {
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] == '[') {
      for (++pos_; pos_ < text_.size(); ++pos_) {
        if (text_[pos_] != ']') continue;
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == ']') {
          ++pos_;
          continue;
        }
        break;
      }
      if (pos_ >= text_.size()) throw WireError("unclosed name: " + text_);
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '.') ++pos_;
    }
    if (pos_ == start) throw WireError("statement lacks a procedure name: " + text_);
    return text_.substr(start, pos_ - start);
  }
  bool AtLiteral() {
    SkipBlanks();
    return text_.compare(pos_, 2, "N'") == 0 || text_.compare(pos_, 2, "0x") == 0;
  }
  // N'...' as text, 0x... as the bytes it writes.
  WireValue Literal() {
    if (Take("0x")) {
      std::string bytes;
      while (pos_ + 1 < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_])) != 0) {
        bytes += static_cast<char>(StrToInt("$" + text_.substr(pos_, 2)));
        pos_ += 2;
      }
      return bytes;
    }
    Expect("N'");
    std::string value;
    while (true) {
      if (pos_ >= text_.size()) throw WireError("unclosed literal: " + text_);
      const char c = text_[pos_++];
      if (c != '\'') {
        value += c;
      } else if (pos_ < text_.size() && text_[pos_] == '\'') {
        value += '\'';
        ++pos_;
      } else {
        return value;
      }
    }
  }

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

const std::string& TextParam(const RpcCall& call, const char* name) {
  const RpcParam* param = call.Find(name);
  if (param == nullptr || !std::holds_alternative<std::string>(param->value)) {
    throw WireError(std::string("sp_executesql without ") + name);
  }
  return std::get<std::string>(param->value);
}

}  // namespace

RpcCall CallFromStatement(const RpcCall& call, std::string& statusName) {
  const std::string& text = TextParam(call, "@stmt");
  StatementReader in(text);
  std::vector<std::pair<std::string, WireValue>> presets;
  while (in.Take("SET")) {
    const std::string name = in.Variable();
    in.Expect("=");
    presets.emplace_back(name, in.Literal());
    in.Expect(";");
  }
  in.Expect("EXEC");
  statusName = in.Variable();
  in.Expect("=");
  RpcCall made;
  made.throughStatement = true;
  made.statement = text;
  made.declarations = TextParam(call, "@params");
  made.procedure = in.Name();
  while (!in.AtEnd()) {
    if (!made.params.empty()) in.Expect(",");
    RpcParam param;
    param.name = in.Variable();
    in.Expect("=");
    if (in.AtLiteral()) {
      param.value = in.Literal();
      param.wireType = 0;  // written in the statement
    } else {
      const std::string variable = in.Variable();
      param.output = in.Take("OUTPUT");
      const RpcParam* passed = call.Find(variable);
      if (passed == nullptr) throw WireError("statement uses " + variable + ", which was not passed");
      param.wireType = passed->wireType;
      param.value = passed->value;
      for (const auto& [name, value] : presets) {
        if (name == variable) param.value = value;
      }
    }
    made.params.push_back(std::move(param));
  }
  return made;
}

}  // namespace tdstest
