// The items of a "ComboBoxEx32": inserted, read, changed and deleted with A
// text (code page 936) or W text, told to the parent with CBEN_INSERTITEM
// and CBEN_DELETEITEM, and found by their text. The inner combo box holds
// one owner-drawn place per item, in the same order.
#include <algorithm>

#include "platform/controls/comboboxex_internal.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

// LPSTR_TEXTCALLBACK is no text to keep.
bool RealText(const void* text) { return text != nullptr && text != reinterpret_cast<const void*>(-1); }

std::u16string TextOf(const COMBOBOXEXITEMW& item, const char* ansiText, bool ansi) {
  if (ansi) return RealText(ansiText) ? ItemTextOf(ansiText, false) : std::u16string();
  return RealText(item.pszText) ? ItemTextOf(item.pszText, true) : std::u16string();
}

void Apply(ComboExItem& target, const COMBOBOXEXITEMW& item) {
  if (item.mask & CBEIF_IMAGE) target.image = item.iImage;
  if (item.mask & CBEIF_SELECTEDIMAGE) target.selectedImage = item.iSelectedImage;
  if (item.mask & CBEIF_OVERLAY) target.overlay = item.iOverlay;
  if (item.mask & CBEIF_INDENT) target.indent = std::max(0, item.iIndent);
  if (item.mask & CBEIF_LPARAM) target.param = item.lParam;
}

char16_t Fold(char16_t ch) { return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch + 32) : ch; }

bool Matches(const std::u16string& text, const std::u16string& wanted, bool exact, bool caseSensitive) {
  if (exact ? text.size() != wanted.size() : text.size() < wanted.size()) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (caseSensitive ? text[i] != wanted[i] : Fold(text[i]) != Fold(wanted[i])) return false;
  }
  return true;
}

// CBEN_INSERTITEM and CBEN_DELETEITEM carry the whole item.
void NotifyItem(const ComboExData& c, UINT code, int index) {
  const ComboExItem& item = c.items[static_cast<std::size_t>(index)];
  const UINT mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
  if (ComboExNotifiesWide(c)) {
    std::u16string text = item.text;
    NMCOMBOBOXEXW nm{};
    nm.ceItem = COMBOBOXEXITEMW{mask,         index,        text.data(), static_cast<int>(text.size()) + 1,
                                item.image,   item.selectedImage, item.overlay, item.indent, item.param};
    SendNotify(c.self, code, nm.hdr);
    return;
  }
  std::string text(item.text.size() * 2 + 1, '\0');
  CopyItemText(item.text, text.data(), static_cast<int>(text.size()), false);
  NMCOMBOBOXEXA nm{};
  nm.ceItem = COMBOBOXEXITEMA{mask,       index,        text.data(), static_cast<int>(text.size()),
                              item.image, item.selectedImage, item.overlay, item.indent, item.param};
  SendNotify(c.self, code, nm.hdr);
}

}  // namespace

LRESULT InsertComboExItem(ComboExData& c, const COMBOBOXEXITEMW& item, const char* ansiText, bool ansi) {
  const int count = static_cast<int>(c.items.size());
  const int index = item.iItem == -1 ? count : static_cast<int>(item.iItem);
  if (item.iItem < -1 || index > count || c.combo == nullptr) return -1;
  ComboExItem entry;
  if (item.mask & CBEIF_TEXT) entry.text = TextOf(item, ansiText, ansi);
  Apply(entry, item);
  if (SendMessageW(c.combo, CB_INSERTSTRING, static_cast<WPARAM>(index), 0) < 0) return -1;
  c.items.insert(c.items.begin() + index, std::move(entry));
  NotifyItem(c, CBEN_INSERTITEM, index);
  return index;
}

LRESULT GetComboExItem(ComboExData& c, COMBOBOXEXITEMW& item, char* ansiText, bool ansi) {
  const int count = static_cast<int>(c.items.size());
  ComboExItem entry;
  if (item.iItem == -1) {
    // The edit's item: what is shown in the field.
    const int selected = ComboExSelection(c);
    if (selected >= 0) entry = c.items[static_cast<std::size_t>(selected)];
    if (c.edit) entry.text = WindowText(c.edit);
  } else if (item.iItem >= 0 && item.iItem < count) {
    entry = c.items[static_cast<std::size_t>(item.iItem)];
  } else {
    return FALSE;
  }
  if (item.mask & CBEIF_TEXT) {
    void* target = ansi ? static_cast<void*>(ansiText) : static_cast<void*>(item.pszText);
    if (target == nullptr || item.cchTextMax <= 0) return FALSE;
    CopyItemText(entry.text, target, item.cchTextMax, !ansi);
  }
  if (item.mask & CBEIF_IMAGE) item.iImage = entry.image;
  if (item.mask & CBEIF_SELECTEDIMAGE) item.iSelectedImage = entry.selectedImage;
  if (item.mask & CBEIF_OVERLAY) item.iOverlay = entry.overlay;
  if (item.mask & CBEIF_INDENT) item.iIndent = entry.indent;
  if (item.mask & CBEIF_LPARAM) item.lParam = entry.param;
  return TRUE;
}

LRESULT SetComboExItem(ComboExData& c, const COMBOBOXEXITEMW& item, const char* ansiText, bool ansi) {
  const int count = static_cast<int>(c.items.size());
  if (item.iItem == -1) {
    if ((item.mask & CBEIF_TEXT) && c.edit) SetComboExEditText(c, TextOf(item, ansiText, ansi));
    InvalidateRect(c.combo, nullptr, FALSE);
    return TRUE;
  }
  if (item.iItem < 0 || item.iItem >= count) return FALSE;
  ComboExItem& entry = c.items[static_cast<std::size_t>(item.iItem)];
  if (item.mask & CBEIF_TEXT) entry.text = TextOf(item, ansiText, ansi);
  Apply(entry, item);
  if (item.iItem == ComboExSelection(c) && !c.editChanged) SelectionToComboExEdit(c);
  InvalidateRect(c.combo, nullptr, FALSE);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(c.combo, &info) && info.hwndList) InvalidateRect(info.hwndList, nullptr, FALSE);
  return TRUE;
}

LRESULT DeleteComboExItem(ComboExData& c, int index) {
  if (index < 0 || index >= static_cast<int>(c.items.size())) return CB_ERR;
  NotifyItem(c, CBEN_DELETEITEM, index);
  if (!IsWindow(c.self) || index >= static_cast<int>(c.items.size())) return CB_ERR;
  c.items.erase(c.items.begin() + index);
  return SendMessageW(c.combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void DeleteAllComboExItems(ComboExData& c) {
  while (!c.items.empty()) {
    if (DeleteComboExItem(c, static_cast<int>(c.items.size()) - 1) == CB_ERR) break;
  }
  SendMessageW(c.combo, CB_RESETCONTENT, 0, 0);
  if (c.edit) SetComboExEditText(c, u"");
}

// Searches after `after` to the end, then from the start, as list boxes do.
int FindComboExItem(const ComboExData& c, int after, const std::u16string& text, bool exact) {
  const int count = static_cast<int>(c.items.size());
  if (count == 0) return CB_ERR;
  const int start = after < -1 || after >= count ? -1 : after;
  const bool caseSensitive = (c.exStyle & CBES_EX_CASESENSITIVE) != 0;
  for (int n = 1; n <= count; ++n) {
    const int i = (start + n) % count;
    if (Matches(c.items[static_cast<std::size_t>(i)].text, text, exact, caseSensitive)) return i;
  }
  return CB_ERR;
}

}  // namespace platform
