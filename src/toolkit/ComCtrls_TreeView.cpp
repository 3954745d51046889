// TTreeView: the toolkit class "TTreeView" made from the standard
// "SysTreeView32" window. Its notifications come back reflected from the
// parent (CN_NOTIFY) and fire OnChanging (which may refuse), OnChange,
// OnExpanded and OnCollapsed.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ImgList.h"

T_CLASS_INFO(TTreeView, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TTreeView>;
  c.AddProperty(Object<TTreeView, TTreeNodes>("Items", &TTreeView::Items, &TTreeView::SetItems));
  c.AddProperty(Object<TTreeView, TImageList>("Images", &TTreeView::Images, &TTreeView::SetImages));
  c.AddProperty(Boolean<TTreeView>("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons));
  c.AddProperty(Boolean<TTreeView>("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines));
  c.AddProperty(Boolean<TTreeView>("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot));
  c.AddProperty(Boolean<TTreeView>("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly));
  c.AddProperty(Method<TTreeView>("OnChange", &TTreeView::OnChange));
  c.AddProperty(Method<TTreeView>("OnChanging", &TTreeView::OnChanging));
  c.AddProperty(Method<TTreeView>("OnExpanded", &TTreeView::OnExpanded));
  c.AddProperty(Method<TTreeView>("OnCollapsed", &TTreeView::OnCollapsed));
})

namespace {

TTreeNode* NodeOf(const TVITEMA& item) { return reinterpret_cast<TTreeNode*>(item.lParam); }

}  // namespace

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

TTreeView::~TTreeView() {
  destroying_ = true;  // the window's own deletion notices find no nodes to touch
}

void TTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysTreeView32";
  params.Style |= TVS_SHOWSELALWAYS;
  if (showButtons_) params.Style |= TVS_HASBUTTONS;
  if (showLines_) params.Style |= TVS_HASLINES;
  if (showRoot_) params.Style |= TVS_LINESATROOT;
  if (!readOnly_) params.Style |= TVS_EDITLABELS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  if (images_ != nullptr) SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_->Handle()));
  items_->CreateItems(items_->roots_);
}

// The nodes stay; their window items go with the window.
void TTreeView::DestroyWnd() {
  items_->ForgetItems(items_->roots_);
  destroying_ = true;
  TWinControl::DestroyWnd();
  destroying_ = false;
}

void TTreeView::SetImages(TImageList* value) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = value;
  if (images_ != nullptr) FreeNotification(images_);
  if (HandleAllocated()) {
    SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
  }
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

TTreeNode* TTreeView::Selected() {
  if (!HandleAllocated() || destroying_) return nullptr;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return nullptr;
  TVITEMA tv{};
  tv.mask = TVIF_PARAM | TVIF_HANDLE;
  tv.hItem = item;
  SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return NodeOf(tv);
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (node != nullptr && node->Owner() != items_.get()) return;
  SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node != nullptr ? node->item_ : nullptr));
}

void TTreeView::SetStyleFlag(bool& field, bool value) {
  if (field == value) return;
  field = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTreeView::SetShowButtons(bool value) { SetStyleFlag(showButtons_, value); }
void TTreeView::SetShowLines(bool value) { SetStyleFlag(showLines_, value); }
void TTreeView::SetShowRoot(bool value) { SetStyleFlag(showRoot_, value); }
void TTreeView::SetReadOnly(bool value) { SetStyleFlag(readOnly_, value); }

void TTreeView::FullExpand() {
  for (int i = 0; i < items_->RootCount(); ++i) items_->Root(i)->Expand(true);
}

void TTreeView::FullCollapse() {
  for (int i = 0; i < items_->RootCount(); ++i) items_->Root(i)->Collapse(true);
}

bool TTreeView::Notified(LPARAM lParam, LRESULT& result) {
  // The skin engine's own query shares CN_NOTIFY's number with a small
  // lParam that is no header.
  if (IS_INTRESOURCE(reinterpret_cast<const void*>(lParam))) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const auto& info = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
  result = 0;
  switch (header.code) {
    case TVN_SELCHANGINGA:
    case TVN_SELCHANGINGW: {
      bool allow = true;
      if (OnChanging && !destroying_) OnChanging(this, NodeOf(info.itemNew), allow);
      result = allow ? 0 : 1;
      return true;
    }
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (OnChange && !destroying_) OnChange(this, NodeOf(info.itemNew));
      return true;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
      TTreeNode* node = NodeOf(info.itemNew);
      if (node != nullptr) node->expanded_ = info.action == TVE_EXPAND;
      auto& event = info.action == TVE_EXPAND ? OnExpanded : OnCollapsed;
      if (event && !destroying_) event(this, node);
      return true;
    }
    default:
      return false;
  }
}

void TTreeView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY && Notified(message.LParam, message.Result)) return;
  TWinControl::WndProc(message);
}
