// Common controls of the toolkit, each made from the platform's standard
// window class of the same role.
#pragma once

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
