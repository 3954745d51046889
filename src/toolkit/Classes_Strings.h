// TStrings: a string list that is a published object, so that a component
// can offer it as a property ("Items") and form resources can fill it
// ("Items.Strings = ('One' 'Two')"). Whoever owns it hears of changes.
#pragma once

#include <functional>

#include "toolkit/Persistent.h"
#include "toolkit/StringList.h"

class TStrings : public TPersistent {
  T_CLASS(TStrings, TPersistent)

 public:
  int Count() const { return list_.Count(); }
  const AnsiString& operator[](int index) const { return list_[index]; }
  AnsiString Strings(int index) const { return list_[index]; }

  int Add(const AnsiString& s);
  void Insert(int index, const AnsiString& s);
  void Delete(int index);
  void Clear();
  void Set(int index, const AnsiString& s);
  int IndexOf(std::string_view s) const { return list_.IndexOf(s); }
  AnsiString Text() const { return list_.Text(); }
  void SetText(std::string_view text);

  // Changes between BeginUpdate and the matching EndUpdate are told once.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  void Assign(TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  std::function<void(TObject* sender)> OnChange;

 private:
  void Changed();

  TStringList list_;
  int updateCount_ = 0;
  bool changedWhileUpdating_ = false;
};
