// TListBox and TComboBox: the toolkit classes made from the standard
// "ListBox" and "ComboBox" windows. Their Items are a TStrings the window
// is kept in step with; owner-drawn styles draw through OnDrawItem on the
// control's Canvas, and variable heights come from OnMeasureItem.
#pragma once

#include "toolkit/Classes_Strings.h"
#include "toolkit/Controls.h"

enum class TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent = std::function<void(TWinControl* control, int index, TRect rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// What list boxes and combo boxes share: the items, sorting, the canvas
// that owner drawing paints on, and the window's id that WM_MEASUREITEM
// names.
class TListControl : public TWinControl {
  T_CLASS(TListControl, TWinControl)

 public:
  explicit TListControl(TComponent* owner);
  ~TListControl() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* items) { items_->Assign(items); }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  TCanvas* Canvas() { return canvas_.get(); }

  void WndProc(TMessage& message) override;
  void Loaded() override;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateWnd() override;
  virtual bool OwnerDrawn() const = 0;
  virtual bool VariableHeight() const = 0;
  // The window's messages for these operations (LB_* or CB_*).
  struct Messages {
    UINT reset, add, setItemHeight;
  };
  virtual Messages ListMessages() const = 0;
  // Puts the items into the window; the selection is the subclass's.
  virtual void ItemsChanged();
  void FillWindow();
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

 private:
  void SortItems();
  void DrawFromMessage(const DRAWITEMSTRUCT& item);

  std::unique_ptr<TStrings> items_;
  std::unique_ptr<TCanvas> canvas_;
  bool sorted_ = false;
  bool sorting_ = false;
  int itemHeight_ = 16;
};

class TListBox : public TListControl {
  T_CLASS(TListBox, TListControl)

 public:
  explicit TListBox(TComponent* owner);

  // The selected item (single selection) or the focused one (-1: none).
  int ItemIndex();
  void SetItemIndex(int value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Selected(int index);
  void SetSelected(int index, bool value);
  int SelCount();
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  TBorderStyle BorderStyle() const { return TWinControl::BorderStyle(); }
  void SetBorderStyle(TBorderStyle style) { SetBorderStyleValue(style); }
  // A single border: sunken (true) or a flat line.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool OwnerDrawn() const override { return style_ != TListBoxStyle::lbStandard; }
  bool VariableHeight() const override { return style_ == TListBoxStyle::lbOwnerDrawVariable; }
  Messages ListMessages() const override;
  void ItemsChanged() override;

 private:
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool ctl3D_ = true;
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  int itemIndex_ = -1;
  // What a new window gets back: the selected items and the first shown.
  std::vector<int> selected_;
  int topIndex_ = 0;
};

class TComboBox : public TListControl {
  T_CLASS(TComboBox, TListControl)

 public:
  explicit TComboBox(TComponent* owner);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemIndex();
  void SetItemIndex(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown();
  void SetDroppedDown(bool value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnSelect;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool OwnerDrawn() const override {
    return style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable;
  }
  bool VariableHeight() const override { return style_ == TComboBoxStyle::csOwnerDrawVariable; }
  Messages ListMessages() const override;
  void ItemsChanged() override;
  virtual void Change();

 private:
  // The window's height sets how far the list drops: DropDownCount items.
  void SetDropHeight();
  void SetEditText(const AnsiString& text);

  bool settingText_ = false;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
};

const TEnumInfo& ListBoxStyleType();
const TEnumInfo& ComboBoxStyleType();
