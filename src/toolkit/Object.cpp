#include "toolkit/Object.h"

#include <map>

#include "platform/base/sysutils.h"
#include "toolkit/TypInfo.h"

TClassInfo::TClassInfo(const char* name, TClass parent) : name_(name), parent_(parent) {}

bool TClassInfo::InheritsFrom(TClass other) const {
  for (TClass c = this; c != nullptr; c = c->parent_) {
    if (c == other) return true;
  }
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->parent_) {
    for (const auto& p : c->properties_) {
      if (SameText(p->Name, name)) return p.get();
    }
  }
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<TClass> chain;
  for (TClass c = this; c != nullptr; c = c->parent_) chain.push_back(c);
  std::vector<const TPropInfo*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const auto& p : (*it)->properties_) {
      // A class may republish a parent's property with other accessors.
      const auto same = [&](const TPropInfo* q) { return SameText(q->Name, p->Name); };
      std::erase_if(all, same);
      all.push_back(p.get());
    }
  }
  return all;
}

void TClassInfo::AddProperty(TPropInfo property) {
  properties_.push_back(std::make_unique<TPropInfo>(std::move(property)));
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->parent_) {
    for (const auto& m : c->methods_) {
      if (SameText(m.Name, name)) return &m;
    }
  }
  return nullptr;
}

void TClassInfo::AddMethod(TMethodInfo method) { methods_.push_back(std::move(method)); }

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->parent_) {
    for (const auto& f : c->fields_) {
      if (SameText(f.Name, name)) return &f;
    }
  }
  return nullptr;
}

void TClassInfo::AddField(TFieldInfo field) { fields_.push_back(std::move(field)); }

TClassInfo& TObject::StaticClassInfo() {
  static TClassInfo info("TObject", nullptr);
  return info;
}

namespace {

std::map<AnsiString, TClass>& ClassRegistry() {
  static std::map<AnsiString, TClass> registry;
  return registry;
}

}  // namespace

void RegisterClass(TClass cls) { ClassRegistry()[UpperCase(cls->ClassName())] = cls; }

TClass FindClass(std::string_view name) {
  const auto it = ClassRegistry().find(UpperCase(name));
  return it == ClassRegistry().end() ? nullptr : it->second;
}
