// TRadioGroup: radio buttons made from a string list and laid out in
// columns inside a group box.
#include "toolkit/ExtCtrls.h"

T_CLASS_INFO(TRadioGroup, TGroupBox, [](TClassInfo& c) {
  using namespace published;
  using G = TRadioGroup;
  c.Factory = &CreateInstance<TRadioGroup>;
  c.AddProperty(Object<G, TStrings>("Items", &G::Items, &G::SetItems));
  c.AddProperty(Integer<G>("ItemIndex", &G::ItemIndex, &G::SetItemIndex));
  c.AddProperty(Integer<G>("Columns", &G::Columns, &G::SetColumns));
})

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner), items_(std::make_unique<TStrings>()) {
  items_->OnChange = [this](TObject*) {
    if (!Loading()) UpdateButtons();
  };
  controlStyle_.Exclude(TControlStyleItem::csAcceptsControls);
}

TRadioGroup::~TRadioGroup() { items_->OnChange = nullptr; }

void TRadioGroup::SetItemIndex(int value) {
  if (Loading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = value;
  // The button's click makes the group's click.
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(true);
}

void TRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
  if (updating_) return;
  const auto at = std::find(buttons_.begin(), buttons_.end(), button);
  if (at == buttons_.end()) return;
  itemIndex_ = static_cast<int>(at - buttons_.begin());
  Click();
}

void TRadioGroup::UpdateButtons() {
  updating_ = true;
  while (ButtonCount() > items_->Count()) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (ButtonCount() < items_->Count()) {
    auto* button = new TRadioButton(this);
    button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  itemIndex_ = std::clamp(itemIndex_, -1, ButtonCount() - 1);
  for (int i = 0; i < ButtonCount(); ++i) {
    TRadioButton* button = buttons_[static_cast<std::size_t>(i)];
    button->SetCaption((*items_)[i]);
    button->SetEnabled(Enabled());
    button->SetChecked(i == itemIndex_);
  }
  updating_ = false;
  ArrangeButtons();
  Invalidate();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, Font()->Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  const int perColumn = (ButtonCount() + columns_ - 1) / columns_;
  const int buttonWidth = (Width() - 10) / columns_;
  const int room = Height() - metrics.tmHeight - 5;
  const int buttonHeight = room / perColumn;
  const int topMargin = metrics.tmHeight + 1 + (room % perColumn) / 2;
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<std::size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                     (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                     buttonHeight);
  }
}

void TRadioGroup::Loaded() {
  TGroupBox::Loaded();
  UpdateButtons();
}

void TRadioGroup::Resize() {
  TGroupBox::Resize();
  ArrangeButtons();
}

void TRadioGroup::WndProc(TMessage& message) {
  TGroupBox::WndProc(message);
  if (message.Msg == CM_ENABLEDCHANGED) {
    for (TRadioButton* button : buttons_) button->SetEnabled(Enabled());
  }
  if (message.Msg == CM_FONTCHANGED) ArrangeButtons();
}
