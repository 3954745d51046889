#include "toolkit/TypInfo.h"

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

TEnumInfo::TEnumInfo(const char* typeName, std::initializer_list<const char*> names) : typeName_(typeName) {
  for (const char* n : names) names_.emplace_back(n);
}

AnsiString TEnumInfo::NameOf(long long ordinal) const {
  return ordinal >= 0 && ordinal < Count() ? names_[static_cast<std::size_t>(ordinal)] : AnsiString();
}

int TEnumInfo::ValueOf(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(names_[static_cast<std::size_t>(i)], name)) return i;
  }
  return -1;
}

const TEnumInfo& TEnumInfo::Boolean() {
  static const TEnumInfo info("Boolean", {"False", "True"});
  return info;
}

bool TPropInfo::Writable() const {
  switch (Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
      return static_cast<bool>(SetOrd);
    case TTypeKind::tkString:
      return static_cast<bool>(SetStr);
    case TTypeKind::tkWString:
      return static_cast<bool>(SetWStr);
    case TTypeKind::tkClass:
      return static_cast<bool>(SetObj);
    case TTypeKind::tkMethod:
      return static_cast<bool>(SetMethod);
    case TTypeKind::tkFloat:
      return static_cast<bool>(SetFloat);
  }
  return false;
}

namespace {

const TPropInfo& Require(TObject* instance, std::string_view name) {
  const TPropInfo* info = GetPropInfo(instance, name);
  if (info == nullptr) throw EPropertyError("Property " + AnsiString(name) + " does not exist");
  return *info;
}

[[noreturn]] void WrongKind(const TPropInfo& info) {
  throw EPropertyConvertError("Invalid property type: " + info.Name);
}

bool IsOrdinal(const TPropInfo& info) {
  return info.Kind == TTypeKind::tkInteger || info.Kind == TTypeKind::tkEnumeration || info.Kind == TTypeKind::tkSet;
}

void RequireWritable(const TPropInfo& info) {
  if (!info.Writable()) throw EPropertyError("Property " + info.Name + " is read-only");
}

}  // namespace

const TPropInfo* GetPropInfo(TObject* instance, std::string_view name) {
  return instance == nullptr ? nullptr : instance->ClassType()->FindProperty(name);
}

bool IsPublishedProp(TObject* instance, std::string_view name) { return GetPropInfo(instance, name) != nullptr; }

long long GetOrdProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (!IsOrdinal(info)) WrongKind(info);
  return info.GetOrd(instance);
}

AnsiString GetEnumProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkEnumeration) WrongKind(info);
  return info.EnumType->NameOf(info.GetOrd(instance));
}

AnsiString GetSetProp(TObject* instance, std::string_view name, bool brackets) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkSet) WrongKind(info);
  return SetToString(*info.EnumType, static_cast<std::uint64_t>(info.GetOrd(instance)), brackets);
}

AnsiString GetStrProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind == TTypeKind::tkString) return info.GetStr(instance);
  if (info.Kind == TTypeKind::tkWString) return platform::WideToAnsiString(info.GetWStr(instance));
  WrongKind(info);
}

WideString GetWideStrProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind == TTypeKind::tkWString) return info.GetWStr(instance);
  if (info.Kind == TTypeKind::tkString) return platform::AnsiToWideString(info.GetStr(instance));
  WrongKind(info);
}

TObject* GetObjectProp(TObject* instance, std::string_view name, TClass minClass) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkClass) WrongKind(info);
  TObject* value = info.GetObj(instance);
  if (value != nullptr && minClass != nullptr && !value->InheritsFrom(minClass)) return nullptr;
  return value;
}

std::any GetMethodProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkMethod) WrongKind(info);
  return info.GetMethod(instance);
}

void SetOrdProp(TObject* instance, std::string_view name, long long value) {
  const TPropInfo& info = Require(instance, name);
  if (!IsOrdinal(info)) WrongKind(info);
  RequireWritable(info);
  info.SetOrd(instance, value);
}

void SetEnumProp(TObject* instance, std::string_view name, std::string_view identifier) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkEnumeration) WrongKind(info);
  const int value = info.EnumType->ValueOf(identifier);
  if (value < 0) throw EPropertyConvertError("Invalid property element: " + AnsiString(identifier));
  RequireWritable(info);
  info.SetOrd(instance, value);
}

void SetSetProp(TObject* instance, std::string_view name, std::string_view text) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkSet) WrongKind(info);
  RequireWritable(info);
  info.SetOrd(instance, static_cast<long long>(StringToSet(*info.EnumType, text)));
}

void SetStrProp(TObject* instance, std::string_view name, const AnsiString& value) {
  const TPropInfo& info = Require(instance, name);
  RequireWritable(info);
  if (info.Kind == TTypeKind::tkString) return info.SetStr(instance, value);
  if (info.Kind == TTypeKind::tkWString) return info.SetWStr(instance, platform::AnsiToWideString(value));
  WrongKind(info);
}

void SetWideStrProp(TObject* instance, std::string_view name, const WideString& value) {
  const TPropInfo& info = Require(instance, name);
  RequireWritable(info);
  if (info.Kind == TTypeKind::tkWString) return info.SetWStr(instance, value);
  if (info.Kind == TTypeKind::tkString) return info.SetStr(instance, platform::WideToAnsiString(value));
  WrongKind(info);
}

void SetObjectProp(TObject* instance, std::string_view name, TObject* value) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkClass) WrongKind(info);
  if (value != nullptr && !value->InheritsFrom(info.PropClass())) WrongKind(info);
  RequireWritable(info);
  info.SetObj(instance, value);
}

void SetMethodProp(TObject* instance, std::string_view name, const std::any& value) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkMethod) WrongKind(info);
  info.SetMethod(instance, value);
}

double GetFloatProp(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkFloat) WrongKind(info);
  return info.GetFloat(instance);
}

void SetFloatProp(TObject* instance, std::string_view name, double value) {
  const TPropInfo& info = Require(instance, name);
  if (info.Kind != TTypeKind::tkFloat) WrongKind(info);
  RequireWritable(info);
  info.SetFloat(instance, value);
}

AnsiString GetPropValue(TObject* instance, std::string_view name) {
  const TPropInfo& info = Require(instance, name);
  switch (info.Kind) {
    case TTypeKind::tkInteger:
      return IntToStr(info.GetOrd(instance));
    case TTypeKind::tkEnumeration:
      return info.EnumType->NameOf(info.GetOrd(instance));
    case TTypeKind::tkSet:
      return SetToString(*info.EnumType, static_cast<std::uint64_t>(info.GetOrd(instance)), false);
    case TTypeKind::tkString:
      return info.GetStr(instance);
    case TTypeKind::tkWString:
      return platform::WideToAnsiString(info.GetWStr(instance));
    case TTypeKind::tkFloat: {
      std::ostringstream text;
      text.imbue(std::locale::classic());
      text << std::setprecision(15) << info.GetFloat(instance);
      return text.str();
    }
    default:
      WrongKind(info);
  }
}

void SetPropValue(TObject* instance, std::string_view name, const AnsiString& text) {
  const TPropInfo& info = Require(instance, name);
  switch (info.Kind) {
    case TTypeKind::tkInteger: {
      int value = 0;
      if (info.IntIdents != nullptr) {
        for (const TIdentMapEntry& e : *info.IntIdents) {
          if (SameText(e.Name, text)) {
            RequireWritable(info);
            return info.SetOrd(instance, e.Value);
          }
        }
      }
      if (!TryStrToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
      RequireWritable(info);
      return info.SetOrd(instance, value);
    }
    case TTypeKind::tkEnumeration:
      return SetEnumProp(instance, name, text);
    case TTypeKind::tkSet:
      return SetSetProp(instance, name, text);
    case TTypeKind::tkString:
    case TTypeKind::tkWString:
      return SetStrProp(instance, name, text);
    case TTypeKind::tkFloat: {
      const AnsiString body = Trim(text);
      char* end = nullptr;
      const double value = std::strtod(body.c_str(), &end);
      if (body.empty() || *end != '\0' || !std::isfinite(value)) {
        throw EConvertError("'" + text + "' is not a valid floating point value");
      }
      return SetFloatProp(instance, name, value);
    }
    default:
      WrongKind(info);
  }
}

AnsiString SetToString(const TEnumInfo& elements, std::uint64_t bits, bool brackets) {
  AnsiString out;
  for (int i = 0; i < elements.Count() && i < 64; ++i) {
    if ((bits >> i) & 1u) {
      if (!out.empty()) out += ',';
      out += elements.NameOf(i);
    }
  }
  return brackets ? "[" + out + "]" : out;
}

std::uint64_t StringToSet(const TEnumInfo& elements, std::string_view text) {
  AnsiString body = Trim(text);
  if (!body.empty() && body.front() == '[') body.erase(0, 1);
  if (!body.empty() && body.back() == ']') body.pop_back();
  std::uint64_t bits = 0;
  std::size_t start = 0;
  while (start <= body.size()) {
    std::size_t comma = body.find(',', start);
    if (comma == AnsiString::npos) comma = body.size();
    const AnsiString item = Trim(std::string_view(body).substr(start, comma - start));
    if (!item.empty()) {
      const int value = elements.ValueOf(item);
      if (value < 0 || value >= 64) throw EPropertyConvertError("Invalid property element: " + item);
      bits |= std::uint64_t{1} << value;
    }
    start = comma + 1;
  }
  return bits;
}
