// Common controls of the toolkit, each made from the platform's standard
// window class of the same role.
#pragma once

#include "toolkit/Controls.h"

// ---------------------------------------------------------------------------
// Track bar, progress bar and up-down ("msctls_trackbar32",
// "msctls_progress32", "msctls_updown32").

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickStyle { tsNone, tsAuto, tsManual };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TProgressBarOrientation { pbHorizontal, pbVertical };
enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDAlignButton { udLeft, udRight };
enum class TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TTrackBar : public TWinControl {
  T_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* owner);

  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);
  int SelStart() const { return selStart_; }
  void SetSelStart(int value);
  int SelEnd() const { return selEnd_; }
  void SetSelEnd(int value);
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int value);
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool value);
  // A transparent bar leaves its background to what lies under it.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // A tick at `value` (with the manual tick style).
  void SetTick(int value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Changed();

 private:
  void SetRange(int min, int max);
  void SendSelection();

  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int lineSize_ = 1;
  int pageSize_ = 2;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  int selStart_ = 0;
  int selEnd_ = 0;
  int thumbLength_ = 20;
  bool sliderVisible_ = true;
  bool transparent_ = false;
};

class TProgressBar : public TWinControl {
  T_CLASS(TProgressBar, TWinControl)

 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The window's position once it exists.
  int Position();
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  // One step; past Max the bar starts over from Min.
  void StepIt();
  void StepBy(int delta);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

class TUpDown : public TWinControl {
  T_CLASS(TUpDown, TWinControl)

 public:
  explicit TUpDown(TComponent* owner);

  // The buddy control that shows the position as text.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The window's position (taken from the buddy's text) once it exists.
  int Position();
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);

  void WndProc(TMessage& message) override;

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Click(TUDBtnType button);

 private:
  void SendRange();
  void SendAccel();
  void SendBuddy();

  TWinControl* associate_ = nullptr;
  TUDAlignButton alignButton_ = TUDAlignButton::udRight;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool wrap_ = false;
  bool arrowKeys_ = true;
  bool thousands_ = true;
};

const TEnumInfo& TrackBarOrientationType();
const TEnumInfo& TickStyleType();
const TEnumInfo& TickMarkType();
const TEnumInfo& ProgressBarOrientationType();
const TEnumInfo& UDOrientationType();
const TEnumInfo& UDAlignButtonType();

// End of track bar, progress bar and up-down.
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Tree view ("SysTreeView32"): TTreeView with its TTreeNodes and TTreeNode.

class TImageList;
class TTreeNodes;
class TTreeView;
struct HTREEITEM__;

// One item. Its children belong to it; the window item (when the tree has a
// window) carries the node in its lParam.
class TTreeNode {
 public:
  TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const AnsiString& Text() const { return text_; }
  void SetText(const AnsiString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int value);
  bool Expanded() const;
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  int Count() const { return static_cast<int>(children_.size()); }
  // The child at `index`; null out of range.
  TTreeNode* Item(int index) const;
  int Index() const;
  int Level() const;
  TTreeNode* Parent() const { return parent_; }
  TTreeNodes* Owner() const { return owner_; }
  bool HasChildren() const { return !children_.empty(); }
  bool Selected() const;
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }
  // Frees the node and its children (and their window items).
  void Delete();

 private:
  friend class TTreeNodes;
  friend class TTreeView;
  HTREEITEM__* item_ = nullptr;
  TTreeNodes* owner_;
  TTreeNode* parent_;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  AnsiString text_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  bool expanded_ = false;
  void* data_ = nullptr;
};

// All items of a tree view. Count and Item[] go through every node, top to
// bottom as if all were expanded.
class TTreeNodes : public TPersistent {
  T_CLASS(TTreeNodes, TPersistent)

 public:
  explicit TTreeNodes(TTreeView* owner) : owner_(owner) {}
  ~TTreeNodes() override;

  // A new last sibling of `sibling` (a root node when it is null).
  TTreeNode* Add(TTreeNode* sibling, const AnsiString& text);
  TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text);
  void Delete(TTreeNode* node);
  void Clear();
  int Count() const;
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
  int RootCount() const { return static_cast<int>(roots_.size()); }
  TTreeNode* Root(int index) const;
  TTreeView* Owner() const { return owner_; }

  void Assign(TPersistent* source) override;
  // "Data": the nodes as form resources store them.
  void DefineProperties(TFiler& filer) override;

 private:
  friend class TTreeNode;
  friend class TTreeView;
  TTreeNode* Insert(TTreeNode* parent, const AnsiString& text);
  void ReadData(TStream& stream);
  void ReadNode(TStream& stream, TTreeNode* parent, int depth);
  void CreateItems(const std::vector<std::unique_ptr<TTreeNode>>& nodes);
  void CreateItem(TTreeNode* node);
  void ForgetItems(const std::vector<std::unique_ptr<TTreeNode>>& nodes);
  void SendItem(TTreeNode* node, unsigned mask);
  HWND Window() const;
  std::vector<std::unique_ptr<TTreeNode>>& Siblings(TTreeNode* parent) {
    return parent != nullptr ? parent->children_ : roots_;
  }

  TTreeView* owner_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TTreeView : public TWinControl {
  T_CLASS(TTreeView, TWinControl)

 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  TTreeNodes* Items() const { return items_.get(); }
  void SetItems(TTreeNodes* value) { items_->Assign(value); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  // The selected node; null when none.
  TTreeNode* Selected();
  void SetSelected(TTreeNode* node);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  void FullExpand();
  void FullCollapse();

  void WndProc(TMessage& message) override;

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandedEvent OnExpanded;
  TTVExpandedEvent OnCollapsed;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TTreeNodes;
  void SetStyleFlag(bool& field, bool value);
  // A notification of the window (CN_NOTIFY); false when it is none of the tree's.
  bool Notified(LPARAM header, LRESULT& result);

  std::unique_ptr<TTreeNodes> items_;
  TImageList* images_ = nullptr;
  bool showButtons_ = true;
  bool showLines_ = true;
  bool showRoot_ = true;
  bool readOnly_ = false;
  bool destroying_ = false;
};

// End of tree view.
