#include "toolkit/StringList.h"

#include "platform/base/sysutils.h"

const TStringList::Item& TStringList::At(int index) const {
  if (index < 0 || index >= Count()) {
    throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  }
  return items_[static_cast<std::size_t>(index)];
}

const AnsiString& TStringList::operator[](int index) const { return At(index).text; }

void* TStringList::Objects(int index) const { return At(index).object; }

int TStringList::Add(const AnsiString& s, void* object) {
  items_.push_back({s, object});
  return Count() - 1;
}

void TStringList::Insert(int index, const AnsiString& s, void* object) {
  if (index < 0 || index > Count()) throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  items_.insert(items_.begin() + index, Item{s, object});
}

void TStringList::Delete(int index) {
  At(index);
  items_.erase(items_.begin() + index);
}

void TStringList::Set(int index, const AnsiString& s) {
  At(index);
  items_[static_cast<std::size_t>(index)].text = s;
}

int TStringList::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(items_[static_cast<std::size_t>(i)].text, s)) return i;
  }
  return -1;
}

AnsiString TStringList::Text() const {
  AnsiString out;
  for (const Item& item : items_) out += item.text + "\r\n";
  return out;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    items_.push_back({AnsiString(text.substr(i, end - i)), nullptr});
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    i = end;
  }
}
