// TStrings: string lists as published objects, streamed as "Strings".
#include "toolkit/Classes_Strings.h"

#include "toolkit/FormResource.h"

T_CLASS_INFO(TStrings, TPersistent, [](TClassInfo&) {})

int TStrings::Add(const AnsiString& s) {
  const int index = list_.Add(s);
  Changed();
  return index;
}

void TStrings::Insert(int index, const AnsiString& s) {
  list_.Insert(index, s);
  Changed();
}

void TStrings::Delete(int index) {
  list_.Delete(index);
  Changed();
}

void TStrings::Clear() {
  if (list_.Count() == 0) return;
  list_.Clear();
  Changed();
}

void TStrings::Set(int index, const AnsiString& s) {
  list_.Set(index, s);
  Changed();
}

void TStrings::SetText(std::string_view text) {
  list_.SetText(text);
  Changed();
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
    changedWhileUpdating_ = false;
    Changed();
  }
}

void TStrings::Changed() {
  if (updateCount_ > 0) {
    changedWhileUpdating_ = true;
    return;
  }
  if (OnChange) OnChange(this);
}

void TStrings::Assign(TPersistent* source) {
  if (auto* other = As<TStrings>(source)) {
    BeginUpdate();
    list_.Clear();
    for (int i = 0; i < other->Count(); ++i) list_.Add((*other)[i]);
    changedWhileUpdating_ = true;
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](const TFormValue& value) {
        if (value.ValueKind != TFormValue::Kind::List) throw Exception("Invalid property value");
        TStringList read;
        for (const TFormValue& item : value.List) {
          if (item.ValueKind != TFormValue::Kind::String) throw Exception("Invalid property value");
          read.Add(platform::WideToAnsiString(item.String));
        }
        list_ = read;
        Changed();
      },
      [this] {
        TFormValue value;
        value.ValueKind = TFormValue::Kind::List;
        for (int i = 0; i < list_.Count(); ++i) {
          TFormValue item;
          item.ValueKind = TFormValue::Kind::String;
          item.String = platform::AnsiToWideString(list_[i]);
          value.List.push_back(item);
        }
        return value;
      },
      list_.Count() > 0);
}
