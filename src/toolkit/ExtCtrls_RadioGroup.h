// TRadioGroup: a group box that shows one radio button per line of Items,
// in Columns columns; ItemIndex is the checked one (-1: none).
#pragma once

#include <vector>

#include "toolkit/Classes_Strings.h"
#include "toolkit/StdCtrls.h"

class TRadioGroup : public TGroupBox {
  T_CLASS(TRadioGroup, TGroupBox)

 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* items) { items_->Assign(items); }
  // Checking another button is a click of the group (OnClick fires).
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  void Resize() override;

 private:
  // One button per item, captions from the items, the ItemIndex one checked.
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* button);

  std::unique_ptr<TStrings> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};
