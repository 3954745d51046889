// TTabSheet and TPageControl: a tab control whose tabs are its pages. Only
// the active page is shown, over the display area. A page freed or moved
// to another parent leaves the page control, which then shows the next
// page. Setting ActivePage from code says nothing; a choice by the user is
// offered to OnChanging and reported by OnChange.
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

T_CLASS_INFO(TTabSheet, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TTabSheet>;
  c.AddProperty(Object<TTabSheet, TPageControl>("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl));
  c.AddProperty(Integer<TTabSheet>("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex));
  c.AddProperty(Boolean<TTabSheet>("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible));
  c.AddProperty(Integer<TTabSheet>("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex));
})

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  SetAlign(TAlign::alClient);
  SetVisible(false);
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() {
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  TWinControl::SetParent(parent);
  auto* pages = As<TPageControl>(parent);
  if (pages == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
  if (pages != nullptr) pages->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

int TTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  for (int i = 0; i < pageControl_->PageCount(); ++i)
    if (pageControl_->Pages(i) == this) return i;
  return -1;
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_ != nullptr) pageControl_->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_ != nullptr) pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int value) {
  imageIndex_ = value;
  if (pageControl_ != nullptr) pageControl_->UpdateTabs();
}

void TTabSheet::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->UpdateTabs();
}

T_CLASS_INFO(TPageControl, TCustomTabControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TPageControl>;
  c.AddProperty(
      Object<TPageControl, TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage));
  c.AddProperty(Integer<TPageControl>("ActivePageIndex", &TPageControl::ActivePageIndex,
                                      &TPageControl::SetActivePageIndex));
  c.AddProperty(Integer<TPageControl>("PageCount", &TPageControl::PageCount, nullptr));
})

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  // The pages go with the control; none needs to find another page.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

int TPageControl::ActivePageIndex() const {
  const auto found = std::find(pages_.begin(), pages_.end(), activePage_);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) { SetActivePage(Pages(index)); }

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->pageControl_ != this) return;
  activePage_ = page;
  UpdateTabs();
  ShowActivePage();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* from, bool forward) const {
  const int count = PageCount();
  if (count == 0) return nullptr;
  const auto found = std::find(pages_.begin(), pages_.end(), from);
  int index = found == pages_.end() ? (forward ? count - 1 : 0) : static_cast<int>(found - pages_.begin());
  for (int step = 0; step < count; ++step) {
    index = (index + (forward ? 1 : count - 1)) % count;
    if (pages_[static_cast<std::size_t>(index)]->TabVisible()) return pages_[static_cast<std::size_t>(index)];
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
  TTabSheet* next = FindNextPage(activePage_, forward);
  if (next == nullptr || next == activePage_ || !CanChange()) return;
  SetActivePage(next);
  Change();
}

void TPageControl::TabChosen(int index) {
  int visible = -1;
  for (TTabSheet* page : pages_) {
    if (page->TabVisible() && ++visible == index) {
      activePage_ = page;
      ShowActivePage();
      break;
    }
  }
  Change();
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  // The first page is the active one until another is chosen, as its tab is selected.
  if (activePage_ == nullptr) activePage_ = page;
  UpdateTabs();
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  TTabSheet* next = FindNextPage(page, true);
  if (next == page) next = nullptr;
  std::erase(pages_, page);
  page->pageControl_ = nullptr;
  if (Destroying()) return;
  if (activePage_ == page) activePage_ = next;
  UpdateTabs();
  ShowActivePage();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  pages_.erase(found);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  std::vector<TTabEntry> tabs;
  int selected = -1;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    if (page == activePage_) selected = static_cast<int>(tabs.size());
    tabs.push_back(TTabEntry{page->GetText(), page->ImageIndex()});
  }
  SetTabs(std::move(tabs), selected);
}

void TPageControl::ShowActivePage() {
  if (activePage_ != nullptr) {
    activePage_->SetVisible(true);
    activePage_->BringToFront();
  }
  for (TTabSheet* page : pages_)
    if (page != activePage_) page->SetVisible(false);
}
