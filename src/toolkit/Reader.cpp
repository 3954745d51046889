#include "toolkit/Reader.h"

#include <vector>

#include "platform/base/resources.h"
#include "toolkit/Classes_Collection.h"
#include "toolkit/Streams.h"

namespace {

// Collects the streamed-only properties an object defines, to find one by name.
class DefinitionFinder : public TFiler {
 public:
  explicit DefinitionFinder(std::string_view name) : name_(name) {}

  void DefineBinaryProperty(const AnsiString& name, const std::function<void(TStream&)>& readData,
                            const std::function<void(TStream&)>&, bool) override {
    if (SameText(name, name_)) binary = readData;
  }
  void DefineProperty(const AnsiString& name, const std::function<void(const TFormValue&)>& readValue,
                      const std::function<TFormValue()>&, bool) override {
    if (SameText(name, name_)) value = readValue;
  }

  std::function<void(TStream&)> binary;
  std::function<void(const TFormValue&)> value;

 private:
  std::string_view name_;
};

struct Fixup {
  TObject* target;
  const TPropInfo* property;
  AnsiString componentName;
  AnsiString context;
};

class Reader {
 public:
  explicit Reader(TComponent* root) : root_(root) {}

  void Read(const TFormObject& resource) {
    if (!SameText(resource.ClassName, root_->ClassName())) {
      throw EReadError("Error reading " + resource.Name + ": the resource describes " + resource.ClassName +
                       ", not " + root_->ClassName());
    }
    root_->BeginLoading();
    loaded_.push_back(root_);
    if (!resource.Name.empty()) Try(resource.Name, [&] { root_->SetName(resource.Name); });
    ReadBody(root_, resource);
    ResolveFixups();
    for (TComponent* c : loaded_) c->EndReading();
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  template <class F>
  void Try(const AnsiString& context, F&& action) {
    try {
      action();
    } catch (const EReadError&) {
      throw;
    } catch (const Exception& e) {
      throw EReadError("Error reading " + context + ": " + e.Message());
    }
  }

  void ReadBody(TComponent* component, const TFormObject& description) {
    const AnsiString name = component->Name().empty() ? component->ClassName() : component->Name();
    for (const TFormProperty& p : description.Properties) {
      Try(name + "." + p.Name, [&] { ApplyProperty(component, p, name + "." + p.Name); });
    }
    for (const TFormObject& child : description.Children) ReadChild(component, child);
  }

  void ReadChild(TComponent* parent, const TFormObject& description) {
    const AnsiString context = description.Name.empty() ? description.ClassName : description.Name;
    TClass cls = FindClass(description.ClassName);
    if (cls == nullptr || cls->Factory == nullptr) {
      throw EReadError("Error reading " + context + ": Class " + description.ClassName + " not found");
    }
    TComponent* child = cls->Factory(root_);
    loaded_.push_back(child);
    child->BeginLoading();
    Try(context, [&] {
      child->SetName(description.Name);
      if (const TFieldInfo* field = root_->ClassType()->FindField(description.Name)) {
        if (!child->InheritsFrom(field->FieldClass())) {
          throw Exception("field " + field->Name + " is not of class " + child->ClassName());
        }
        field->Set(root_, child);
      }
      child->SetParentComponent(parent);
    });
    ReadBody(child, description);
  }

  // Follows "Font.Name" to the object that holds the last segment.
  static TObject* OwnerOfLastSegment(TObject* target, const AnsiString& dotted, AnsiString& last) {
    std::size_t start = 0;
    while (true) {
      const std::size_t dot = dotted.find('.', start);
      if (dot == AnsiString::npos) {
        last = dotted.substr(start);
        return target;
      }
      const AnsiString segment = dotted.substr(start, dot - start);
      TObject* next = GetObjectProp(target, segment);
      if (next == nullptr) throw Exception("Property " + segment + " has no object");
      target = next;
      start = dot + 1;
    }
  }

  void ApplyProperty(TObject* component, const TFormProperty& p, const AnsiString& context) {
    AnsiString name;
    TObject* target = OwnerOfLastSegment(component, p.Name, name);
    if (auto* persistent = As<TPersistent>(target)) {
      DefinitionFinder finder(name);
      persistent->DefineProperties(finder);
      if (finder.binary) {
        if (p.Value.ValueKind != TFormValue::Kind::Binary) throw Exception("binary data expected");
        TMemoryStream data;
        data.WriteBuffer(p.Value.Binary.data(), static_cast<std::int64_t>(p.Value.Binary.size()));
        data.SetPosition(0);
        finder.binary(data);
        return;
      }
      if (finder.value) {
        finder.value(p.Value);
        return;
      }
    }
    const TPropInfo* info = GetPropInfo(target, name);
    if (info == nullptr) throw Exception("Property " + name + " does not exist");
    ApplyValue(target, *info, p.Value, context);
  }

  void ApplyValue(TObject* target, const TPropInfo& info, const TFormValue& v, const AnsiString& context) {
    using Kind = TFormValue::Kind;
    // A collection is filled in place: its property needs no setter.
    if (info.Kind == TTypeKind::tkClass && v.ValueKind == Kind::Collection && info.GetObj) {
      if (auto* collection = As<TCollection>(info.GetObj(target))) return ReadCollection(*collection, v, context);
    }
    if (!info.Writable() && info.Kind != TTypeKind::tkMethod) throw Exception("Property " + info.Name + " is read-only");
    switch (info.Kind) {
      case TTypeKind::tkInteger:
        if (v.ValueKind == Kind::Integer) return info.SetOrd(target, v.Integer);
        if (v.ValueKind == Kind::Identifier && info.IntIdents != nullptr) {
          for (const TIdentMapEntry& e : *info.IntIdents) {
            if (SameText(e.Name, v.Identifier)) return info.SetOrd(target, e.Value);
          }
        }
        break;
      case TTypeKind::tkEnumeration:
        if (v.ValueKind == Kind::Identifier) return SetEnumProp(target, info.Name, v.Identifier);
        break;
      case TTypeKind::tkSet:
        if (v.ValueKind == Kind::Set) {
          AnsiString text;
          for (const AnsiString& item : v.Set) text += item + ",";
          return SetSetProp(target, info.Name, text);
        }
        break;
      case TTypeKind::tkString:
        if (v.ValueKind == Kind::String) return info.SetStr(target, platform::WideToAnsiString(v.String));
        break;
      case TTypeKind::tkWString:
        if (v.ValueKind == Kind::String) return info.SetWStr(target, v.String);
        break;
      case TTypeKind::tkClass:
        if (v.ValueKind == Kind::Identifier) {
          fixups_.push_back({target, &info, v.Identifier, context});
          return;
        }
        break;
      case TTypeKind::tkFloat:
        if (v.ValueKind == Kind::Float) return info.SetFloat(target, v.Float);
        if (v.ValueKind == Kind::Integer) return info.SetFloat(target, static_cast<double>(v.Integer));
        break;
      case TTypeKind::tkMethod:
        if (v.ValueKind == Kind::Identifier) {
          const TMethodInfo* method = root_->ClassType()->FindMethod(v.Identifier);
          if (method == nullptr) throw Exception("Method " + v.Identifier + " not found in " + root_->ClassName());
          return info.SetMethod(target, method->Bind(root_));
        }
        break;
    }
    throw Exception("Invalid property value");
  }

  // The resource's items replace the collection's; each item's properties
  // are read as an object's.
  void ReadCollection(TCollection& collection, const TFormValue& v, const AnsiString& context) {
    collection.BeginUpdate();
    try {
      collection.Clear();
      for (const std::vector<TFormProperty>& properties : v.Items) {
        TCollectionItem* item = collection.Add();
        for (const TFormProperty& p : properties) ApplyProperty(item, p, context);
      }
    } catch (...) {
      collection.EndUpdate();
      throw;
    }
    collection.EndUpdate();
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* found = SameText(f.componentName, root_->Name()) ? root_ : root_->FindComponent(f.componentName);
      if (found == nullptr || (f.property->PropClass != nullptr && !found->InheritsFrom(f.property->PropClass()))) {
        throw EReadError("Error reading " + f.context + ": Invalid property value " + f.componentName);
      }
      f.property->SetObj(f.target, found);
    }
  }

  TComponent* root_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

}  // namespace

void ReadComponentRes(TComponent* root, const TFormObject& resource) { Reader(root).Read(resource); }

void ReadComponentResource(TComponent* root, std::string_view text) {
  ReadComponentRes(root, ParseFormResource(text));
}

bool InitInheritedComponent(TComponent* root) {
  const auto bytes = platform::FindResourceBytes(platform::kResourceForm, root->ClassName());
  if (bytes.empty()) return false;
  ReadComponentResource(root, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return true;
}
