// TTreeNodes and TTreeNode: the items of a TTreeView, kept by the toolkit
// so that they outlive the window (RecreateWnd puts them back), mirrored
// into the window's items while it exists.
#include <algorithm>
#include <cstdint>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ImgList.h"

T_CLASS_INFO(TTreeNodes, TPersistent, [](TClassInfo&) {})

namespace {

constexpr int kMaximumDepth = 256;  // deeper resource data is refused, not recursed into

// The node's own text and images as the window item's fields.
TVITEMA Describe(TTreeNode* node, HTREEITEM__* item, unsigned mask) {
  TVITEMA tv{};
  tv.mask = mask | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = const_cast<char*>(node->Text().c_str());
  tv.iImage = node->ImageIndex();
  tv.iSelectedImage = node->SelectedIndex();
  tv.lParam = reinterpret_cast<LPARAM>(node);
  return tv;
}

void CountAll(const TTreeNode* node, int& count) {
  ++count;
  for (int i = 0; i < node->Count(); ++i) CountAll(node->Item(i), count);
}

TTreeNode* FindAt(TTreeNode* node, int& index) {
  if (index-- == 0) return node;
  for (int i = 0; i < node->Count(); ++i) {
    if (TTreeNode* found = FindAt(node->Item(i), index)) return found;
  }
  return nullptr;
}

}  // namespace

void TTreeNode::SetText(const AnsiString& value) {
  text_ = value;
  owner_->SendItem(this, TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int value) {
  imageIndex_ = value;
  owner_->SendItem(this, TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int value) {
  selectedIndex_ = value;
  owner_->SendItem(this, TVIF_SELECTEDIMAGE);
}

bool TTreeNode::Expanded() const {
  HWND window = owner_->Window();
  if (window == nullptr || item_ == nullptr) return expanded_;
  TVITEMA tv{};
  tv.mask = TVIF_STATE | TVIF_HANDLE;
  tv.hItem = item_;
  tv.stateMask = TVIS_EXPANDED;
  SendMessageA(window, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return (tv.state & TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool value) {
  expanded_ = value;
  HWND window = owner_->Window();
  if (window != nullptr && item_ != nullptr) {
    SendMessageA(window, TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
  }
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (recurse) {
    for (auto& child : children_) child->Expand(true);
  }
}

void TTreeNode::Collapse(bool recurse) {
  SetExpanded(false);
  if (recurse) {
    for (auto& child : children_) child->Collapse(true);
  }
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<std::size_t>(index)].get();
}

int TTreeNode::Index() const {
  const auto& siblings = owner_->Siblings(parent_);
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
  return level;
}

bool TTreeNode::Selected() const { return owner_->Owner()->Selected() == this; }

void TTreeNode::Delete() { owner_->Delete(this); }

TTreeNodes::~TTreeNodes() = default;

HWND TTreeNodes::Window() const {
  return owner_ != nullptr && owner_->HandleAllocated() && !owner_->destroying_ ? owner_->Handle() : nullptr;
}

TTreeNode* TTreeNodes::Insert(TTreeNode* parent, const AnsiString& text) {
  auto& siblings = Siblings(parent);
  siblings.push_back(std::make_unique<TTreeNode>(this, parent));
  TTreeNode* node = siblings.back().get();
  node->text_ = text;
  if (Window() != nullptr && (parent == nullptr || parent->item_ != nullptr)) CreateItem(node);
  return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const AnsiString& text) {
  return Insert(sibling != nullptr ? sibling->parent_ : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const AnsiString& text) { return Insert(parent, text); }

void TTreeNodes::CreateItem(TTreeNode* node) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = node->parent_ != nullptr ? node->parent_->item_ : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item = Describe(node, nullptr, TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM);
  insert.item.mask &= ~TVIF_HANDLE;
  node->item_ = reinterpret_cast<HTREEITEM>(SendMessageA(Window(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeNodes::CreateItems(const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
  for (const auto& node : nodes) {
    CreateItem(node.get());
    CreateItems(node->children_);
    if (node->expanded_) node->SetExpanded(true);
  }
}

void TTreeNodes::ForgetItems(const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
  for (const auto& node : nodes) {
    node->expanded_ = node->Expanded();
    node->item_ = nullptr;
    ForgetItems(node->children_);
  }
}

void TTreeNodes::SendItem(TTreeNode* node, unsigned mask) {
  if (Window() == nullptr || node->item_ == nullptr) return;
  TVITEMA tv = Describe(node, node->item_, mask);
  SendMessageA(Window(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node == nullptr || node->owner_ != this) return;
  if (Window() != nullptr && node->item_ != nullptr) {
    SendMessageA(Window(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
  }
  auto& siblings = Siblings(node->parent_);
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const auto& n) { return n.get() == node; }),
                 siblings.end());
}

void TTreeNodes::Clear() {
  if (Window() != nullptr) SendMessageA(Window(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  roots_.clear();
}

int TTreeNodes::Count() const {
  int count = 0;
  for (const auto& root : roots_) CountAll(root.get(), count);
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  if (index < 0) return nullptr;
  for (const auto& root : roots_) {
    if (TTreeNode* found = FindAt(root.get(), index)) return found;
  }
  return nullptr;
}

TTreeNode* TTreeNodes::Root(int index) const {
  if (index < 0 || index >= RootCount()) return nullptr;
  return roots_[static_cast<std::size_t>(index)].get();
}

namespace {

void CopyChildren(TTreeNodes& into, TTreeNode* parent, const TTreeNode& from) {
  for (int i = 0; i < from.Count(); ++i) {
    const TTreeNode* source = from.Item(i);
    TTreeNode* copy = into.AddChild(parent, source->Text());
    copy->SetImageIndex(source->ImageIndex());
    copy->SetSelectedIndex(source->SelectedIndex());
    copy->SetData(source->Data());
    CopyChildren(into, copy, *source);
  }
}

}  // namespace

void TTreeNodes::Assign(TPersistent* source) {
  auto* other = As<TTreeNodes>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  Clear();
  for (int i = 0; i < other->RootCount(); ++i) {
    const TTreeNode* from = other->Root(i);
    TTreeNode* copy = Add(nullptr, from->Text());
    copy->SetImageIndex(from->ImageIndex());
    copy->SetSelectedIndex(from->SelectedIndex());
    copy->SetData(from->Data());
    CopyChildren(*this, copy, *from);
  }
}

// Form resources store the nodes as their count at the root, then each node
// depth first: a 32-bit record size, the image, selected, state and overlay
// indexes, a 32-bit data value and the child count (32 bits each), and the
// text as a length byte and that many bytes.
void TTreeNodes::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  filer.DefineBinaryProperty("Data", [this](TStream& stream) { ReadData(stream); }, nullptr, false);
}

namespace {

std::int32_t ReadInt(TStream& stream) {
  std::int32_t value = 0;
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

}  // namespace

void TTreeNodes::ReadData(TStream& stream) {
  Clear();
  const std::int32_t count = ReadInt(stream);
  if (count < 0) throw EReadError("Invalid tree node data");
  for (std::int32_t i = 0; i < count; ++i) ReadNode(stream, nullptr, 0);
}

void TTreeNodes::ReadNode(TStream& stream, TTreeNode* parent, int depth) {
  if (depth > kMaximumDepth) throw EReadError("Invalid tree node data");
  const std::int32_t size = ReadInt(stream);
  const std::int32_t imageIndex = ReadInt(stream);
  const std::int32_t selectedIndex = ReadInt(stream);
  ReadInt(stream);  // state index
  ReadInt(stream);  // overlay index
  ReadInt(stream);  // data: a pointer of the writing program, meaningless here
  const std::int32_t children = ReadInt(stream);
  unsigned char length = 0;
  stream.ReadBuffer(&length, 1);
  if (size != 25 + length || children < 0) throw EReadError("Invalid tree node data");
  AnsiString text(length, '\0');
  if (length > 0) stream.ReadBuffer(text.data(), length);
  TTreeNode* node = Insert(parent, text);
  node->imageIndex_ = imageIndex;
  node->selectedIndex_ = selectedIndex;
  SendItem(node, TVIF_IMAGE | TVIF_SELECTEDIMAGE);
  for (std::int32_t i = 0; i < children; ++i) ReadNode(stream, node, depth + 1);
}
