// Published properties: what kind each one is, how to read and write it, and
// the by-name access that form resources and the skin engine use.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/base/sysutils.h"
#include "toolkit/Object.h"

enum class TTypeKind { tkInteger, tkEnumeration, tkSet, tkString, tkWString, tkClass, tkMethod, tkFloat };

// The identifiers of an enumeration type, ordinal 0 first. Booleans are the
// enumeration False, True.
class TEnumInfo {
 public:
  TEnumInfo(const char* typeName, std::initializer_list<const char*> names);
  const AnsiString& TypeName() const { return typeName_; }
  int Count() const { return static_cast<int>(names_.size()); }
  // The identifier of an ordinal, empty when out of range.
  AnsiString NameOf(long long ordinal) const;
  // The ordinal of an identifier (case-insensitive), -1 when unknown.
  int ValueOf(std::string_view name) const;

  static const TEnumInfo& Boolean();

 private:
  AnsiString typeName_;
  std::vector<AnsiString> names_;
};

// A set of enumeration values, bit n standing for ordinal n.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) Include(v);
  }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr bool Contains(E v) const { return (bits_ >> static_cast<unsigned>(v)) & 1u; }
  constexpr TSet& Include(E v) {
    bits_ |= std::uint64_t{1} << static_cast<unsigned>(v);
    return *this;
  }
  constexpr TSet& Exclude(E v) {
    bits_ &= ~(std::uint64_t{1} << static_cast<unsigned>(v));
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint64_t Bits() const { return bits_; }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  std::uint64_t bits_ = 0;
};

// Identifiers that stand for integer values ("clBtnFace", "crHandPoint").
struct TIdentMapEntry {
  long long Value;
  const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;

// One published property. Ordinal kinds (integer, enumeration, set) use
// GetOrd/SetOrd; string kinds GetStr/SetStr or GetWStr/SetWStr; object kinds
// GetObj/SetObj; method kinds (events) GetMethod/SetMethod with the event value
// held in std::any. A missing setter makes the property read-only.
struct TPropInfo {
  AnsiString Name;
  TTypeKind Kind = TTypeKind::tkInteger;
  const TEnumInfo* EnumType = nullptr;  // enumeration, or a set's element type
  // Object kind: the declared class (a function, so a class may have
  // properties of its own type).
  TClass (*PropClass)() = nullptr;
  const TIdentMap* IntIdents = nullptr;  // integer kind: identifiers accepted for values
  std::function<long long(TObject*)> GetOrd;
  std::function<void(TObject*, long long)> SetOrd;
  std::function<AnsiString(TObject*)> GetStr;
  std::function<void(TObject*, const AnsiString&)> SetStr;
  std::function<WideString(TObject*)> GetWStr;
  std::function<void(TObject*, const WideString&)> SetWStr;
  std::function<TObject*(TObject*)> GetObj;
  std::function<void(TObject*, TObject*)> SetObj;
  std::function<std::any(TObject*)> GetMethod;
  std::function<void(TObject*, const std::any&)> SetMethod;
  // Float kind (TDateTime values among them).
  std::function<double(TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;

  bool Writable() const;
};

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};
class EPropertyConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Lookup: null when the object is null or has no such published property.
const TPropInfo* GetPropInfo(TObject* instance, std::string_view name);
bool IsPublishedProp(TObject* instance, std::string_view name);

// Access by name. A missing property raises EPropertyError ("Property X does not
// exist"); a property of the wrong kind raises EPropertyConvertError.
long long GetOrdProp(TObject* instance, std::string_view name);
AnsiString GetEnumProp(TObject* instance, std::string_view name);
AnsiString GetSetProp(TObject* instance, std::string_view name, bool brackets = false);
AnsiString GetStrProp(TObject* instance, std::string_view name);  // wide strings converted
WideString GetWideStrProp(TObject* instance, std::string_view name);  // 8-bit strings converted
TObject* GetObjectProp(TObject* instance, std::string_view name, TClass minClass = nullptr);
std::any GetMethodProp(TObject* instance, std::string_view name);

double GetFloatProp(TObject* instance, std::string_view name);
void SetFloatProp(TObject* instance, std::string_view name, double value);
void SetOrdProp(TObject* instance, std::string_view name, long long value);
void SetEnumProp(TObject* instance, std::string_view name, std::string_view identifier);
void SetSetProp(TObject* instance, std::string_view name, std::string_view text);
void SetStrProp(TObject* instance, std::string_view name, const AnsiString& value);
void SetWideStrProp(TObject* instance, std::string_view name, const WideString& value);
void SetObjectProp(TObject* instance, std::string_view name, TObject* value);
void SetMethodProp(TObject* instance, std::string_view name, const std::any& value);

// Reads any ordinal or string property as text: integers in decimal,
// enumerations as identifiers, sets as "a,b", strings as they are.
AnsiString GetPropValue(TObject* instance, std::string_view name);
// Writes by text: integers from decimal (or "$" hex) or their identifiers
// ("clRed"), enumerations by
// identifier, sets from "[a,b]" or "a,b", strings as they are.
void SetPropValue(TObject* instance, std::string_view name, const AnsiString& text);

// Set text of a bit mask over an enumeration's identifiers, and back.
AnsiString SetToString(const TEnumInfo& elements, std::uint64_t bits, bool brackets);
std::uint64_t StringToSet(const TEnumInfo& elements, std::string_view text);

// Builders for class descriptions. `get` and `set` are member function
// pointers of C; pass nullptr as `set` for a read-only property.
namespace published {

inline TPropInfo Describe(const char* name, TTypeKind kind, const TEnumInfo* enumType = nullptr,
                          TClass (*propClass)() = nullptr) {
  TPropInfo p;
  p.Name = name;
  p.Kind = kind;
  p.EnumType = enumType;
  p.PropClass = propClass;
  return p;
}

template <class C, class G, class S>
TPropInfo Integer(const char* name, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkInteger);
  p.GetOrd = [get](TObject* o) -> long long { return (static_cast<C*>(o)->*get)(); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetOrd = [set](TObject* o, long long v) { (static_cast<C*>(o)->*set)(static_cast<int>(v)); };
  }
  return p;
}

// An integer property whose values may also be written as identifiers.
template <class C, class G, class S>
TPropInfo IntegerIdent(const char* name, const TIdentMap& idents, G get, S set) {
  TPropInfo p = Integer<C>(name, get, set);
  p.IntIdents = &idents;
  return p;
}

template <class C, class E, class G, class S>
TPropInfo Enumeration(const char* name, const TEnumInfo& type, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkEnumeration, &type);
  p.GetOrd = [get](TObject* o) -> long long { return static_cast<long long>((static_cast<C*>(o)->*get)()); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetOrd = [set](TObject* o, long long v) { (static_cast<C*>(o)->*set)(static_cast<E>(v)); };
  }
  return p;
}

template <class C, class G, class S>
TPropInfo Boolean(const char* name, G get, S set) {
  return Enumeration<C, bool>(name, TEnumInfo::Boolean(), get, set);
}

template <class C, class E, class G, class S>
TPropInfo Set(const char* name, const TEnumInfo& elements, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkSet, &elements);
  p.GetOrd = [get](TObject* o) -> long long { return static_cast<long long>((static_cast<C*>(o)->*get)().Bits()); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetOrd = [set](TObject* o, long long v) {
      (static_cast<C*>(o)->*set)(TSet<E>::FromBits(static_cast<std::uint64_t>(v)));
    };
  }
  return p;
}

template <class C, class G, class S>
TPropInfo String(const char* name, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkString);
  p.GetStr = [get](TObject* o) -> AnsiString { return (static_cast<C*>(o)->*get)(); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetStr = [set](TObject* o, const AnsiString& v) { (static_cast<C*>(o)->*set)(v); };
  }
  return p;
}

template <class C, class G, class S>
TPropInfo WideStr(const char* name, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkWString);
  p.GetWStr = [get](TObject* o) -> WideString { return (static_cast<C*>(o)->*get)(); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetWStr = [set](TObject* o, const WideString& v) { (static_cast<C*>(o)->*set)(v); };
  }
  return p;
}

template <class C, class G, class S>
TPropInfo Float(const char* name, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkFloat);
  p.GetFloat = [get](TObject* o) -> double { return (static_cast<C*>(o)->*get)(); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetFloat = [set](TObject* o, double v) { (static_cast<C*>(o)->*set)(v); };
  }
  return p;
}

// An object property of class O; the setter (if any) takes O* (typically it
// assigns the given object's content to the owned one).
template <class C, class O, class G, class S>
TPropInfo Object(const char* name, G get, S set) {
  TPropInfo p = Describe(name, TTypeKind::tkClass, nullptr, &O::ClassInfo);
  p.GetObj = [get](TObject* o) -> TObject* { return (static_cast<C*>(o)->*get)(); };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetObj = [set](TObject* o, TObject* v) { (static_cast<C*>(o)->*set)(As<O>(v)); };
  }
  return p;
}

// An event held in a data member of type Event (a std::function).
template <class C, class Event>
TPropInfo Method(const char* name, Event C::*field) {
  TPropInfo p = Describe(name, TTypeKind::tkMethod);
  p.GetMethod = [field](TObject* o) -> std::any { return static_cast<C*>(o)->*field; };
  p.SetMethod = [field, name](TObject* o, const std::any& v) {
    if (!v.has_value()) {
      static_cast<C*>(o)->*field = nullptr;
    } else if (const Event* event = std::any_cast<Event>(&v)) {
      static_cast<C*>(o)->*field = *event;
    } else {
      throw EPropertyConvertError(AnsiString("Invalid handler type for event ") + name);
    }
  };
  return p;
}

// A component reference held by the form: `field` is the form's pointer
// member that the reader sets to the component of that name.
template <class C, class T>
TFieldInfo Field(const char* name, T* C::*field) {
  return {name, &T::ClassInfo, [field](TObject* root, TObject* value) {
            static_cast<C*>(root)->*field = static_cast<T*>(value);
          }};
}

// A published method of C that form resources can bind to an event whose type
// is std::function<void(Args...)>.
template <class C, class... Args>
TMethodInfo Handler(const char* name, void (C::*method)(Args...)) {
  return {name, [method](TObject* self) -> std::any {
            C* object = static_cast<C*>(self);
            return std::function<void(Args...)>(
                [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); });
          }};
}

}  // namespace published
