// Common controls of the toolkit, each made from the platform's standard
// window class of the same role.
#pragma once

#include "platform/base/datetime.h"
#include "platform/controls/pickers.h"
#include "toolkit/Classes_Collection.h"
#include "toolkit/Classes_Strings.h"
#include "toolkit/ComCtrls_ComboBoxEx.h"
#include "toolkit/Controls.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"

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
// Tab control, page control with its tab sheets, and status bar
// ("SysTabControl32", "msctls_statusbar32").

class TImageList;
class TPageControl;

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum class TStatusPanelStyle { psText, psOwnerDraw };
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

// What the tab control and the page control share: the tab window, its
// look, the images of its tabs and the events of a selection by the user.
class TCustomTabControl : public TWinControl {
  T_CLASS(TCustomTabControl, TWinControl)

 public:
  explicit TCustomTabControl(TComponent* owner);

  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  // The part of the client area inside the tabs and the frame.
  TRect DisplayRect();

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  struct TTabEntry {
    AnsiString caption;
    int imageIndex = -1;
  };
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustClientRect(TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The tabs shown now and the selected one (-1: none), pushed to the window.
  void SetTabs(std::vector<TTabEntry> tabs, int selected);
  int SelectedTab() const { return selected_; }
  void SelectTab(int index);
  virtual bool CanChange();
  // The user chose tab `index` (the window shows it already).
  virtual void TabChosen(int index);
  virtual void Change();

 private:
  void SendTabs();
  void Restyle();

  std::vector<TTabEntry> tabs_;
  int selected_ = -1;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  TTabStyle style_ = TTabStyle::tsTabs;
  bool multiLine_ = false;
  TImageList* images_ = nullptr;
};

// Tabs without pages: the control shows the same content for every tab.
class TTabControl : public TCustomTabControl {
  T_CLASS(TTabControl, TCustomTabControl)

 public:
  explicit TTabControl(TComponent* owner);

  TStrings* Tabs() const { return tabs_.get(); }
  void SetTabsList(TStrings* value) { tabs_->Assign(value); }
  int TabIndex() const { return SelectedTab(); }
  void SetTabIndex(int value);

 private:
  void TabsChanged();

  std::unique_ptr<TStrings> tabs_;
};

// One page of a page control; its tab shows its caption and image.
class TTabSheet : public TWinControl {
  T_CLASS(TTabSheet, TWinControl)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  // Its place among the page control's pages, or -1.
  int PageIndex() const;
  void SetPageIndex(int value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  void SetParent(TWinControl* parent) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
  T_CLASS(TPageControl, TCustomTabControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // Null when `index` is out of range.
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The next page with a visible tab after `from` (or before it), round.
  TTabSheet* FindNextPage(TTabSheet* from, bool forward) const;
  void SelectNextPage(bool forward);

 protected:
  void TabChosen(int index) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // The tabs again from the pages (captions, images, visibility).
  void UpdateTabs();
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

class TStatusPanel : public TCollectionItem {
  T_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

  int Width() const { return width_; }
  void SetWidth(int value);
  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);

 private:
  int width_ = 50;
  AnsiString text_;
  TStatusPanelStyle style_ = TStatusPanelStyle::psText;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
};

class TStatusBar;
using TDrawPanelEvent = std::function<void(TStatusBar* statusBar, TStatusPanel* panel, const TRect& rect)>;

class TStatusBar : public TWinControl {
  T_CLASS(TStatusBar, TWinControl)

 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TCollection* Panels() const { return panels_.get(); }
  TStatusPanel* Panel(int index) const;
  TStatusPanel* AddPanel();
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  AnsiString SimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  // Points at the panel's DC while OnDrawPanel runs.
  TCanvas* Canvas() { return canvas_.get(); }

  void WndProc(TMessage& message) override;

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void DrawPanel(TStatusPanel* panel, const TRect& rect);

 private:
  void SendPanels();
  void SendPanelText(int index);

  std::unique_ptr<TCollection> panels_;
  std::unique_ptr<TCanvas> canvas_;
  bool simplePanel_ = false;
  AnsiString simpleText_;
  bool sizeGrip_ = true;
};

const TEnumInfo& TabPositionType();
const TEnumInfo& TabStyleType();
const TEnumInfo& StatusPanelStyleType();
const TEnumInfo& StatusPanelBevelType();

// End of tab control, page control and status bar.
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Header control and list view ("SysHeader32", "SysListView32").

class TImageList;
class TStrings;

enum class THeaderSectionAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class THeaderControl;
class TListView;

class THeaderSection {
 public:
  THeaderSection(THeaderControl* owner) : owner_(owner) {}
  int Index() const;
  const WideString& Text() const { return text_; }
  void SetText(const WideString& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  THeaderSectionAlignment Alignment() const { return alignment_; }
  void SetAlignment(THeaderSectionAlignment value);

 private:
  friend class THeaderControl;
  THeaderControl* owner_;
  WideString text_;
  int width_ = 50;
  THeaderSectionAlignment alignment_ = THeaderSectionAlignment::taLeftJustify;
};

using TSectionNotifyEvent = std::function<void(THeaderControl* control, THeaderSection* section)>;
using TDrawSectionEvent =
    std::function<void(THeaderControl* control, THeaderSection* section, const RECT& rect, bool pressed)>;

class THeaderControl : public TWinControl {
  T_CLASS(THeaderControl, TWinControl)

 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  THeaderSection* Section(int index) const;
  THeaderSection* AddSection(const WideString& text, int width);
  void ClearSections();

  void WndProc(TMessage& message) override;
  void DefineProperties(TFiler& filer) override;

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  // Set, sections are drawn by the handler (HDF_OWNERDRAW).
  TDrawSectionEvent OnDrawSection;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  friend class THeaderSection;
  void SendSection(int index, bool insert);

  std::vector<std::unique_ptr<THeaderSection>> sections_;
};

class TListColumn {
 public:
  explicit TListColumn(TListView* owner) : owner_(owner) {}
  int Index() const;
  const WideString& Caption() const { return caption_; }
  void SetCaption(const WideString& value);
  int Width() const;
  void SetWidth(int value);

 private:
  friend class TListView;
  TListView* owner_;
  WideString caption_;
  int width_ = 50;
};

class TListItem {
 public:
  explicit TListItem(TListView* owner);
  ~TListItem();
  int Index() const;
  const WideString& Caption() const { return caption_; }
  void SetCaption(const WideString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // The texts of the report's further columns, in ANSI like the list view's
  // other string lists.
  TStrings* SubItems() const { return subItems_.get(); }
  bool Selected() const;
  void SetSelected(bool value);

 private:
  friend class TListView;
  TListView* owner_;
  WideString caption_;
  int imageIndex_ = -1;
  std::unique_ptr<TStrings> subItems_;
};

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
using TLVColumnClickEvent = std::function<void(TObject* sender, TListColumn* column)>;

class TListView : public TWinControl {
  T_CLASS(TListView, TWinControl)

 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* value);
  TImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TImageList* value);

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  TListColumn* Column(int index) const;
  TListColumn* AddColumn(const WideString& caption, int width);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TListItem* Item(int index) const;
  TListItem* AddItem(const WideString& caption);
  void ClearItems();
  // The first selected item, or null.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);

  void WndProc(TMessage& message) override;
  void DefineProperties(TFiler& filer) override;

  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TListColumn;
  friend class TListItem;
  void SendColumn(int index, bool insert);
  void SendItem(int index, bool insert);
  void SendImages();
  void SendExtendedStyle();
  bool Notify(TMessage& message);

  TViewStyle viewStyle_ = TViewStyle::vsIcon;
  bool rowSelect_ = false;
  bool gridLines_ = false;
  bool readOnly_ = false;
  bool multiSelect_ = false;
  TImageList* smallImages_ = nullptr;
  TImageList* largeImages_ = nullptr;
  std::vector<std::unique_ptr<TListColumn>> columns_;
  std::vector<std::unique_ptr<TListItem>> items_;
};

const TEnumInfo& HeaderSectionAlignmentType();
const TEnumInfo& ViewStyleType();

// End of header control and list view.
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
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Month calendar and date-time picker ("SysMonthCal32",
// "SysDateTimePick32"). Dates are TDateTime values; a limit of 0 means none.

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };
enum class TDTDateMode { dmComboBox, dmUpDown };

// The window's date and back, to the millisecond.
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& st);

class TMonthCalendar : public TWinControl {
  T_CLASS(TMonthCalendar, TWinControl)

 public:
  explicit TMonthCalendar(TComponent* owner);

  TDateTime Date() const { return date_; }
  void SetDate(TDateTime value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime value);

  void WndProc(TMessage& message) override;

  // The selection moved (keys, the title's buttons, a press on a day).
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();

 private:
  void SendRange();
  void SendDate();

  TDateTime date_ = 0;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
};

class TDateTimePicker : public TWinControl {
  T_CLASS(TDateTimePicker, TWinControl)

 public:
  explicit TDateTimePicker(TComponent* owner);

  TDateTime DateTime() const { return dateTime_; }
  void SetDateTime(TDateTime value);
  // The date part (the time of day kept) and the time part (the date kept).
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime Time() const;
  void SetTime(TDateTime value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime value);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // The calendar is open.
  bool DroppedDown() const { return droppedDown_; }

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();

 private:
  void SendRange();
  void SendValue();
  void Recreate();

  TDateTime dateTime_ = 0;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
  TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
  bool showCheckbox_ = false;
  bool checked_ = true;
  bool droppedDown_ = false;
};

const TEnumInfo& DateTimeKindType();
const TEnumInfo& DTDateFormatType();
const TEnumInfo& DTDateModeType();

// End of month calendar and date-time picker.
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Tool bar and tool buttons ("ToolbarWindow32"). The buttons are windowless
// children of the bar; the bar's window draws and clicks them.

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
enum class TCustomDrawStateItem { cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot,
                                  cdsMarked, cdsIndeterminate };
using TCustomDrawState = TSet<TCustomDrawStateItem>;

struct NMTBCUSTOMDRAW;
class TToolBar;
class TToolButton;

using TTBCustomDrawEvent = std::function<void(TToolBar* sender, const TRect& rect, bool& defaultDraw)>;
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;

class TToolButton : public TGraphicControl {
  T_CLASS(TToolButton, TGraphicControl)

 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;

  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle value);
  // Checked (tbsCheck) or shown pressed.
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Neighbouring grouped check buttons keep one of them down.
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* value);
  // A click runs this item's click instead of OnClick (as a menu bar would).
  TMenuItem* MenuItem() const { return menuItem_; }
  void SetMenuItem(TMenuItem* value);
  int Index() const;
  TToolBar* ToolBar() const;

  void SetParent(TWinControl* parent) override;
  void SetText(const AnsiString& text) override;
  void Click() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TToolBar;
  void Changed();

  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  bool down_ = false;
  bool grouped_ = false;
  int imageIndex_ = -1;
  TPopupMenu* dropdownMenu_ = nullptr;
  TMenuItem* menuItem_ = nullptr;
};

class TToolBar : public TWinControl {
  T_CLASS(TToolBar, TWinControl)

 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  TImageList* HotImages() const { return hotImages_; }
  void SetHotImages(TImageList* value);
  TImageList* DisabledImages() const { return disabledImages_; }
  void SetDisabledImages(TImageList* value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);
  // Captions beside the images instead of under them.
  bool List() const { return list_; }
  void SetList(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  // The canvas of the custom-draw events, on the window's DC while they run.
  TCanvas* Canvas() { return canvas_.get(); }

  void WndProc(TMessage& message) override;

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TToolButton;
  void SetImageList(TImageList*& list, TImageList* value, UINT message);
  void SendImageLists();
  void ButtonsChanged();
  void RebuildButtons();
  void ReadDownStates();
  LRESULT CustomDraw(const NMTBCUSTOMDRAW& draw);
  void DropDown(int index);

  std::vector<TToolButton*> buttons_;
  std::unique_ptr<TCanvas> canvas_;
  TImageList* images_ = nullptr;
  TImageList* hotImages_ = nullptr;
  TImageList* disabledImages_ = nullptr;
  bool flat_ = false;
  bool showCaptions_ = false;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool list_ = false;
  bool transparent_ = false;
  bool rebuilding_ = false;
};

const TEnumInfo& ToolButtonStyleType();

// End of tool bar and tool buttons.
// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// Cool bar and its bands ("ReBarWindow32"). Each band holds one windowed
// control of the bar; the window lays the bands out and keeps the
// controls in them.

class TCoolBar;

class TCoolBand : public TCollectionItem {
  T_CLASS(TCoolBand, TCollectionItem)

 public:
  explicit TCoolBand(TCollection* collection);

  // The control the band holds; it becomes a child of the bar.
  TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* value);
  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value);
  // The band's whole width (header and control); after the user moved the
  // bands, the width the window gave it. 0: as wide as its control needs.
  int Width() const { return width_; }
  void SetWidth(int value);
  // The band starts a new row.
  bool Break() const { return break_; }
  void SetBreak(bool value);
  // The user cannot move or size the band (it shows no gripper).
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool value);
  // Set, the band takes its own colour and no longer the bar's.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int value);
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // The image of the bar's Images shown in the header (-1: none).
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TCoolBar* CoolBar() const { return bar_; }
  // The band's identifier in the window (RB_IDTOINDEX).
  UINT Id() const { return id_; }

 private:
  friend class TCoolBar;
  TCoolBar* bar_ = nullptr;
  TWinControl* control_ = nullptr;
  int controlWidth_ = 0;  // the control's width when the band took it
  AnsiString text_;
  int width_ = 0;
  bool break_ = true;
  bool fixedSize_ = false;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  int minHeight_ = 25;
  int minWidth_ = 0;
  bool visible_ = true;
  int imageIndex_ = -1;
  UINT id_;
};

class TCoolBar : public TWinControl {
  T_CLASS(TCoolBar, TWinControl)

 public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;

  TCollection* Bands() const { return bands_.get(); }
  TCoolBand* Band(int index) const;
  TCoolBand* AddBand();
  // The band holding `control`, or null.
  TCoolBand* BandOf(const TControl* control) const;
  // bsSingle: etched borders between the bands and the rows.
  TBorderStyle BandBorderStyle() const { return bandBorderStyle_; }
  void SetBandBorderStyle(TBorderStyle value);
  // The bar's height follows its rows.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  void WndProc(TMessage& message) override;

  // The user moved or sized bands.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The window places the bands' controls; the toolkit aligns none here.
  void AlignControls(TControl* control, TRect& rect) override;
  virtual void Change();

 private:
  friend class TCoolBand;
  void BandsChanged(TCoolBand* band);
  void RebuildBands();
  void SendBand(TCoolBand* band, bool insert);
  void SendColours();
  void SendImages();
  void ReadBandsBack();
  void FitHeight();

  std::unique_ptr<TCollection> bands_;
  TBorderStyle bandBorderStyle_ = TBorderStyle::bsSingle;
  bool autoSize_ = false;
  TImageList* images_ = nullptr;
  bool rebuilding_ = false;
};

// End of cool bar and its bands.
// ---------------------------------------------------------------------------
