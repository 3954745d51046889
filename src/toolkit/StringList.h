// An ordered list of 8-bit strings, each with an optional attached object, as
// the toolkit's string lists keep them.
#pragma once

#include <string_view>
#include <vector>

#include "platform/base/strings.h"

class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const AnsiString& operator[](int index) const;
  void* Objects(int index) const;

  int Add(const AnsiString& s, void* object = nullptr);
  void Insert(int index, const AnsiString& s, void* object = nullptr);
  void Delete(int index);
  void Clear() { items_.clear(); }
  void Set(int index, const AnsiString& s);

  // Case-insensitive (ASCII) search; -1 when absent.
  int IndexOf(std::string_view s) const;

  // Lines joined by CR LF, each line followed by a break.
  AnsiString Text() const;
  // Splits at CR LF, CR or LF.
  void SetText(std::string_view text);

 private:
  struct Item {
    AnsiString text;
    void* object = nullptr;
  };
  const Item& At(int index) const;
  std::vector<Item> items_;
};
