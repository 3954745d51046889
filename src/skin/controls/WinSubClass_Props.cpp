// Published properties by name for the control skins: any class with a
// property of the name is served; a missing or mistyped one gives the
// documented default, never an error.
#include "skin/controls/WinSubClass.h"
#include "toolkit/TypInfo.h"

namespace {

const TPropInfo* PropOfKind(TObject* instance, std::string_view name, TTypeKind kind) {
  const TPropInfo* info = GetPropInfo(instance, name);
  return info != nullptr && info->Kind == kind ? info : nullptr;
}

}  // namespace

bool HasPropByName(TObject* instance, std::string_view name) { return GetPropInfo(instance, name) != nullptr; }

long long GetOrdPropByName(TObject* instance, std::string_view name) {
  const TPropInfo* info = PropOfKind(instance, name, TTypeKind::tkInteger);
  if (info == nullptr || !info->GetOrd) return -1;
  try {
    return info->GetOrd(instance);
  } catch (const Exception&) {
    return -1;
  }
}

AnsiString GetEnumPropByName(TObject* instance, std::string_view name) {
  const TPropInfo* info = PropOfKind(instance, name, TTypeKind::tkEnumeration);
  if (info == nullptr || !info->GetOrd || info->EnumType == nullptr) return AnsiString();
  try {
    return info->EnumType->NameOf(info->GetOrd(instance));
  } catch (const Exception&) {
    return AnsiString();
  }
}

WideString GetTextPropByName(TObject* instance, std::string_view name) {
  const TPropInfo* info = GetPropInfo(instance, name);
  if (info == nullptr) return WideString();
  try {
    switch (info->Kind) {
      case TTypeKind::tkWString:
        return info->GetWStr ? info->GetWStr(instance) : WideString();
      case TTypeKind::tkString:
        return info->GetStr ? AnsiToWide(info->GetStr(instance)) : WideString();
      case TTypeKind::tkEnumeration:
        // An enumeration answers its identifier, so that a style held as an
        // enumeration ("tsTabs") reads as the text the rules compare with.
        return AnsiToWide(GetEnumPropByName(instance, name));
      default:
        return WideString();
    }
  } catch (const Exception&) {
    return WideString();
  }
}

AnsiString GetSetPropByName(TObject* instance, std::string_view name) {
  if (PropOfKind(instance, name, TTypeKind::tkSet) == nullptr) return AnsiString();
  try {
    return GetSetProp(instance, name, false);
  } catch (const Exception&) {
    return AnsiString();
  }
}

bool GetBoolPropByName(TObject* instance, std::string_view name, bool defaultValue) {
  if (PropOfKind(instance, name, TTypeKind::tkEnumeration) == nullptr) return defaultValue;
  return LowerCase(GetEnumPropByName(instance, name)) == "true";
}

TColor GetColorPropByName(TObject* instance, std::string_view name, TColor defaultColour) {
  if (PropOfKind(instance, name, TTypeKind::tkInteger) == nullptr) return defaultColour;
  return static_cast<TColor>(GetOrdPropByName(instance, name));
}

TObject* GetObjectPropByName(TObject* instance, std::string_view name, TClass cls) {
  const TPropInfo* info = PropOfKind(instance, name, TTypeKind::tkClass);
  if (info == nullptr || !info->GetObj) return nullptr;
  try {
    TObject* object = info->GetObj(instance);
    if (object == nullptr || (cls != nullptr && !object->InheritsFrom(cls))) return nullptr;
    return object;
  } catch (const Exception&) {
    return nullptr;
  }
}

TFont* GetFontPropByName(TObject* instance, std::string_view name) {
  return static_cast<TFont*>(GetObjectPropByName(instance, name, TFont::ClassInfo()));
}

TBitmap* GetBitmapPropByName(TObject* instance, std::string_view name) {
  TObject* object = GetObjectPropByName(instance, name, nullptr);
  if (auto* bitmap = As<TBitmap>(object)) return bitmap;
  if (auto* picture = As<TPicture>(object)) return picture->Bitmap();
  return nullptr;
}

void SetPropByName(TObject* instance, std::string_view name, const AnsiString& text) {
  const TPropInfo* info = GetPropInfo(instance, name);
  if (info == nullptr || !info->Writable()) return;
  try {
    switch (info->Kind) {
      case TTypeKind::tkInteger:
      case TTypeKind::tkEnumeration:
      case TTypeKind::tkSet:
      case TTypeKind::tkString:
        SetPropValue(instance, name, text);
        break;
      case TTypeKind::tkWString:
        SetWideStrProp(instance, name, AnsiToWide(text));
        break;
      default:
        break;
    }
  } catch (const Exception&) {
    // Text the property does not take ("abc" for an integer) changes nothing.
  }
}

void SetObjectPropByName(TObject* instance, std::string_view name, TObject* value) {
  const TPropInfo* info = PropOfKind(instance, name, TTypeKind::tkClass);
  if (info == nullptr || !info->SetObj) return;
  try {
    info->SetObj(instance, value);
  } catch (const Exception&) {
    // An object the property does not take changes nothing.
  }
}
