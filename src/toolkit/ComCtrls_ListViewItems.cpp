// TListView's columns and items: kept by the component, sent to its window
// as they change, and read from form resources as collections
// (Columns = <item Caption = 'Name' Width = 80 end>, Items = <item
// Caption = 'a' ImageIndex = 0 SubItems = ('1' '2') end>).
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/Classes_Strings.h"
#include "toolkit/ComCtrls.h"

int TListColumn::Index() const {
  for (int i = 0; i < owner_->ColumnCount(); ++i) {
    if (owner_->Column(i) == this) return i;
  }
  return -1;
}

void TListColumn::SetCaption(const WideString& value) {
  caption_ = value;
  owner_->SendColumn(Index(), false);
}

// The window's width once there is one: the user may have dragged it.
int TListColumn::Width() const {
  if (!owner_->HandleAllocated()) return width_;
  return static_cast<int>(SendMessageW(owner_->Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
}

void TListColumn::SetWidth(int value) {
  width_ = std::max(0, value);
  owner_->SendColumn(Index(), false);
}

TListItem::TListItem(TListView* owner) : owner_(owner), subItems_(std::make_unique<TStrings>()) {
  subItems_->OnChange = [this](TObject*) { owner_->SendItem(Index(), false); };
}

TListItem::~TListItem() = default;

int TListItem::Index() const {
  for (int i = 0; i < owner_->ItemCount(); ++i) {
    if (owner_->Item(i) == this) return i;
  }
  return -1;
}

void TListItem::SetCaption(const WideString& value) {
  caption_ = value;
  owner_->SendItem(Index(), false);
}

void TListItem::SetImageIndex(int value) {
  imageIndex_ = value;
  owner_->SendItem(Index(), false);
}

bool TListItem::Selected() const {
  if (!owner_->HandleAllocated()) return false;
  return SendMessageW(owner_->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value) {
  if (!owner_->HandleAllocated()) return;
  LVITEMW state{};
  state.state = value ? LVIS_SELECTED : 0;
  state.stateMask = LVIS_SELECTED;
  SendMessageW(owner_->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&state));
}

TListColumn* TListView::Column(int index) const {
  return index >= 0 && index < ColumnCount() ? columns_[static_cast<std::size_t>(index)].get() : nullptr;
}

TListColumn* TListView::AddColumn(const WideString& caption, int width) {
  columns_.push_back(std::make_unique<TListColumn>(this));
  TListColumn* column = columns_.back().get();
  column->caption_ = caption;
  column->width_ = std::max(0, width);
  SendColumn(ColumnCount() - 1, true);
  return column;
}

TListItem* TListView::Item(int index) const {
  return index >= 0 && index < ItemCount() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

TListItem* TListView::AddItem(const WideString& caption) {
  items_.push_back(std::make_unique<TListItem>(this));
  TListItem* item = items_.back().get();
  item->caption_ = caption;
  SendItem(ItemCount() - 1, true);
  return item;
}

void TListView::ClearItems() {
  if (HandleAllocated()) SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  items_.clear();
}

void TListView::SendColumn(int index, bool insert) {
  if (!HandleAllocated() || index < 0) return;
  const TListColumn& column = *columns_[static_cast<std::size_t>(index)];
  LVCOLUMNW lv{};
  lv.mask = LVCF_TEXT | LVCF_WIDTH;
  lv.pszText = const_cast<WCHAR*>(column.caption_.c_str());
  lv.cx = column.width_;
  SendMessageW(Handle(), insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&lv));
}

void TListView::SendItem(int index, bool insert) {
  if (!HandleAllocated() || index < 0) return;
  const TListItem& item = *items_[static_cast<std::size_t>(index)];
  LVITEMW lv{};
  lv.mask = LVIF_TEXT | LVIF_IMAGE;
  lv.iItem = index;
  lv.pszText = const_cast<WCHAR*>(item.caption_.c_str());
  lv.iImage = item.imageIndex_;
  SendMessageW(Handle(), insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
  for (int s = 0; s < item.subItems_->Count(); ++s) {
    const WideString text = platform::AnsiToWideString(item.subItems_->Strings(s));
    LVITEMW sub{};
    sub.iSubItem = s + 1;
    sub.pszText = const_cast<WCHAR*>(text.c_str());
    SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
  }
}

namespace {

using Kind = TFormValue::Kind;

const TFormValue& Expect(const TFormProperty& p, Kind kind, const char* what) {
  if (p.Value.ValueKind != kind) throw Exception(AnsiString(what) + ": invalid value of " + p.Name);
  return p.Value;
}

}  // namespace

void TListView::DefineProperties(TFiler& filer) {
  TWinControl::DefineProperties(filer);
  filer.DefineProperty(
      "Columns",
      [this](const TFormValue& value) {
        if (value.ValueKind != Kind::Collection) throw Exception("Columns: collection expected");
        for (const std::vector<TFormProperty>& properties : value.Items) {
          TListColumn* column = AddColumn(WideString(), 50);
          for (const TFormProperty& p : properties) {
            if (SameText(p.Name, "Caption")) {
              column->SetCaption(Expect(p, Kind::String, "Columns").String);
            } else if (SameText(p.Name, "Width")) {
              column->SetWidth(static_cast<int>(Expect(p, Kind::Integer, "Columns").Integer));
            } else {
              throw Exception("Columns: invalid property " + p.Name);
            }
          }
        }
      },
      nullptr, false);
  filer.DefineProperty(
      "Items",
      [this](const TFormValue& value) {
        if (value.ValueKind != Kind::Collection) throw Exception("Items: collection expected");
        for (const std::vector<TFormProperty>& properties : value.Items) {
          TListItem* item = AddItem(WideString());
          for (const TFormProperty& p : properties) {
            if (SameText(p.Name, "Caption")) {
              item->SetCaption(Expect(p, Kind::String, "Items").String);
            } else if (SameText(p.Name, "ImageIndex")) {
              item->SetImageIndex(static_cast<int>(Expect(p, Kind::Integer, "Items").Integer));
            } else if (SameText(p.Name, "SubItems")) {
              for (const TFormValue& text : Expect(p, Kind::List, "Items").List) {
                if (text.ValueKind != Kind::String) throw Exception("Items: SubItems holds strings");
                item->SubItems()->Add(platform::WideToAnsiString(text.String));
              }
            } else {
              throw Exception("Items: invalid property " + p.Name);
            }
          }
        }
      },
      nullptr, false);
}
