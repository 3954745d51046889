// TComboBoxEx: a combo box whose items carry images and indents, made from
// the standard "ComboBoxEx32" window. ItemsEx is a collection the toolkit
// keeps and pushes to the window whenever it is (re)made.
#pragma once

#include "toolkit/Classes_Collection.h"
#include "toolkit/Controls.h"
#include "toolkit/ImgList.h"

enum class TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };

class TComboExItem : public TCollectionItem {
  T_CLASS(TComboExItem, TCollectionItem)

 public:
  explicit TComboExItem(TCollection* collection) : TCollectionItem(collection) {}

  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // -1: the item shows ImageIndex when selected too.
  int SelectedImageIndex() const { return selectedImageIndex_; }
  void SetSelectedImageIndex(int value);
  int OverlayImageIndex() const { return overlayImageIndex_; }
  void SetOverlayImageIndex(int value);
  // In steps of 10 pixels.
  int Indent() const { return indent_; }
  void SetIndent(int value);
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }

 private:
  AnsiString caption_;
  int imageIndex_ = -1;
  int selectedImageIndex_ = -1;
  int overlayImageIndex_ = -1;
  int indent_ = 0;
  void* data_ = nullptr;
};

class TComboBoxEx : public TWinControl {
  T_CLASS(TComboBoxEx, TWinControl)

 public:
  explicit TComboBoxEx(TComponent* owner);
  ~TComboBoxEx() override;

  TCollection* ItemsEx() const { return items_.get(); }
  TComboExItem* Item(int index) const;
  TComboExItem* AddItem(const AnsiString& caption, int imageIndex = -1, int selectedImageIndex = -1,
                        int indent = 0);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  TComboBoxExStyle Style() const { return style_; }
  void SetStyle(TComboBoxExStyle value);
  int ItemIndex();
  void SetItemIndex(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown();
  void SetDroppedDown(bool value);

  void WndProc(TMessage& message) override;
  void Loaded() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void Change();

 private:
  void SendItems();
  void SendItem(int index, bool insert);
  void SetDropHeight();
  void SetEditText(const AnsiString& text);

  std::unique_ptr<TCollection> items_;
  TImageList* images_ = nullptr;
  TComboBoxExStyle style_ = TComboBoxExStyle::csExDropDown;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
  bool settingText_ = false;
};

const TEnumInfo& ComboBoxExStyleType();
