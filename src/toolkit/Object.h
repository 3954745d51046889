// The toolkit's object model: every toolkit object knows its class, and a
// class knows its name, its parent class, its published properties and
// published methods, and (for components) how to make a new instance. Class
// membership tests and lookups by name work on this information, so code that
// never saw a class's header can still ask "is this a TButton?" or read its
// "Caption".
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/base/strings.h"

class TObject;
class TComponent;
struct TPropInfo;
class TClassInfo;

using TClass = const TClassInfo*;

// A published method: a named handler of the class that form resources bind to
// events ("OnClick = Image1Click"). Bind answers the event value (a std::function
// of the event's type, held in std::any) that calls the method on `self`.
struct TMethodInfo {
  AnsiString Name;
  std::function<std::any(TObject* self)> Bind;
};

// A published field: the form's pointer member that names an owned component.
struct TFieldInfo {
  AnsiString Name;
  TClass (*FieldClass)();
  std::function<void(TObject* root, TObject* value)> Set;
};

class TClassInfo {
 public:
  using ComponentFactory = TComponent* (*)(TComponent* owner);

  TClassInfo(const char* name, TClass parent);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const AnsiString& ClassName() const { return name_; }
  TClass ClassParent() const { return parent_; }
  bool InheritsFrom(TClass other) const;

  // Published properties, found case-insensitively in this class or its parents.
  const TPropInfo* FindProperty(std::string_view name) const;
  // All published properties, the root class's first.
  std::vector<const TPropInfo*> Properties() const;
  void AddProperty(TPropInfo property);

  const TMethodInfo* FindMethod(std::string_view name) const;
  void AddMethod(TMethodInfo method);

  const TFieldInfo* FindField(std::string_view name) const;
  void AddField(TFieldInfo field);

  // Set for component classes that form resources may create.
  ComponentFactory Factory = nullptr;

 private:
  AnsiString name_;
  TClass parent_;
  std::vector<std::unique_ptr<TPropInfo>> properties_;
  std::vector<TMethodInfo> methods_;
  std::vector<TFieldInfo> fields_;
};

// Declares a class's identity inside its body. `inherited` names the parent
// class, as in `inherited::WndProc(message)`.
#define T_CLASS(ThisClass, ParentClass)                 \
 public:                                                \
  using inherited = ParentClass;                        \
  static TClassInfo& StaticClassInfo();                 \
  static TClass ClassInfo() { return &StaticClassInfo(); } \
  TClass ClassType() const override { return ClassInfo(); } \
                                                        \
 private:

// Defines the identity in the class's source file. `describe` is a callable
// taking TClassInfo& that publishes properties and methods (may be empty).
#define T_CLASS_INFO(ThisClass, ParentClass, describe)                    \
  TClassInfo& ThisClass::StaticClassInfo() {                              \
    static TClassInfo& info = *[] {                                       \
      auto* created = new TClassInfo(#ThisClass, ParentClass::ClassInfo()); \
      describe(*created);                                                 \
      return created;                                                     \
    }();                                                                  \
    return info;                                                          \
  }

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClassInfo& StaticClassInfo();
  static TClass ClassInfo() { return &StaticClassInfo(); }
  virtual TClass ClassType() const { return ClassInfo(); }

  const AnsiString& ClassName() const { return ClassType()->ClassName(); }
  bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
  template <class T>
  bool Is() const {
    return InheritsFrom(T::ClassInfo());
  }
};

// Checked down-cast by class membership: null when `object` is null or not a T.
template <class T>
T* As(TObject* object) {
  return object != nullptr && object->Is<T>() ? static_cast<T*>(object) : nullptr;
}

// Classes that form resources can name ("object Button1: TButton").
void RegisterClass(TClass cls);
TClass FindClass(std::string_view name);  // case-insensitive; null when unknown
