// What TListBox and TComboBox share: items kept in step with the window
// (sorted in the list itself when Sorted, so indexes agree), owner drawing
// on the control's canvas, and measuring through OnMeasureItem.
#include <algorithm>
#include <cctype>

#include "platform/base/strings.h"
#include "platform/controls/controls.h"
#include "toolkit/StdCtrls.h"

namespace {

// WM_MEASUREITEM names a control by its id: each list control's window
// gets one of its own.
int NextControlId() {
  static int next = 0x4000;
  if (++next > 0x7FFF) next = 0x4001;
  return next;
}

bool LessNoCase(const AnsiString& a, const AnsiString& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

T_CLASS_INFO(TListControl, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using L = TListControl;
  c.AddProperty(Object<L, TStrings>("Items", &L::Items, &L::SetItems));
  c.AddProperty(Boolean<L>("Sorted", &L::Sorted, &L::SetSorted));
  c.AddProperty(Integer<L>("ItemHeight", &L::ItemHeight, &L::SetItemHeight));
  c.AddProperty(Method<L>("OnDrawItem", &L::OnDrawItem));
  c.AddProperty(Method<L>("OnMeasureItem", &L::OnMeasureItem));
})

TListControl::TListControl(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TStrings>()), canvas_(std::make_unique<TCanvas>()) {
  items_->OnChange = [this](TObject*) {
    if (!Loading() && !sorting_) ItemsChanged();
  };
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  // The window reports clicks and double clicks, and captures the mouse itself.
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csDoubleClicks);
  controlStyle_.Exclude(TControlStyleItem::csCaptureMouse);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

TListControl::~TListControl() { items_->OnChange = nullptr; }

void TListControl::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!Loading()) ItemsChanged();
}

void TListControl::SetItemHeight(int value) {
  if (value <= 0 || value > 255) return;
  itemHeight_ = value;
  if (HandleAllocated() && OwnerDrawn() && !VariableHeight()) {
    SendMessageW(Handle(), ListMessages().setItemHeight, 0, value);
    Invalidate();
  }
}

void TListControl::SortItems() {
  if (!sorted_ || items_->Count() < 2) return;
  std::vector<AnsiString> lines;
  for (int i = 0; i < items_->Count(); ++i) lines.push_back((*items_)[i]);
  std::stable_sort(lines.begin(), lines.end(), LessNoCase);
  sorting_ = true;
  items_->BeginUpdate();
  for (int i = 0; i < items_->Count(); ++i) items_->Set(i, lines[static_cast<std::size_t>(i)]);
  items_->EndUpdate();
  sorting_ = false;
}

void TListControl::FillWindow() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  const Messages m = ListMessages();
  SendMessageW(hwnd, m.reset, 0, 0);
  for (int i = 0; i < items_->Count(); ++i) {
    const WideString text = platform::AnsiToWideString((*items_)[i]);
    SendMessageW(hwnd, m.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TListControl::ItemsChanged() {
  SortItems();
  FillWindow();
}

void TListControl::CreateWnd() {
  TWinControl::CreateWnd();
  SetWindowLongPtrW(Handle(), GWLP_ID, NextControlId());
  if (OwnerDrawn() && !VariableHeight()) SendMessageW(Handle(), ListMessages().setItemHeight, 0, itemHeight_);
  SortItems();
  FillWindow();
}

void TListControl::Loaded() {
  TWinControl::Loaded();
  ItemsChanged();
}

void TListControl::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  if (index >= 0 && index < items_->Count()) canvas_->TextOut(rect.left + 2, rect.top, (*items_)[index]);
}

void TListControl::DrawFromMessage(const DRAWITEMSTRUCT& item) {
  TOwnerDrawState state;
  if (item.itemState & ODS_SELECTED) state.Include(TOwnerDrawStateItem::odSelected);
  if (item.itemState & ODS_GRAYED) state.Include(TOwnerDrawStateItem::odGrayed);
  if (item.itemState & ODS_DISABLED) state.Include(TOwnerDrawStateItem::odDisabled);
  if (item.itemState & ODS_FOCUS) state.Include(TOwnerDrawStateItem::odFocused);
  if (item.itemState & ODS_COMBOBOXEDIT) state.Include(TOwnerDrawStateItem::odComboBoxEdit);
  const int saved = SaveDC(item.hDC);
  canvas_->SetHandle(item.hDC);
  canvas_->SetFont(Font());
  if (state.Contains(TOwnerDrawStateItem::odSelected)) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  } else {
    canvas_->Brush()->SetColor(Color());
  }
  DrawItem(static_cast<int>(item.itemID), item.rcItem, state);
  if (state.Contains(TOwnerDrawStateItem::odFocused)) canvas_->DrawFocusRect(item.rcItem);
  canvas_->SetHandle(nullptr);
  RestoreDC(item.hDC, saved);
}

void TListControl::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (item != nullptr) DrawFromMessage(*item);
    message.Result = TRUE;
    return;
  }
  if (message.Msg == CN_MEASUREITEM) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (item != nullptr) {
      int height = item->itemID == static_cast<UINT>(-1) ? static_cast<int>(item->itemHeight) : itemHeight_;
      if (OnMeasureItem && VariableHeight() && item->itemID != static_cast<UINT>(-1)) {
        OnMeasureItem(this, static_cast<int>(item->itemID), height);
      }
      item->itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
    }
    message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(message);
}
