// TScrollBar: a scroll bar control, the toolkit class "TScrollBar" made from
// the standard "ScrollBar" window; its requests come back reflected from the
// parent as CN_HSCROLL / CN_VSCROLL.
#pragma once

#include "toolkit/Controls.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// Told of every request; may change the position the bar moves to.
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& scrollPos)>;

class TScrollBar : public TWinControl {
  T_CLASS(TScrollBar, TWinControl)

 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }

  // Sets the three at once. A maximum below the minimum is raised to it;
  // the position is kept inside the range less the page.
  void SetParams(int position, int min, int max);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();
  virtual void Scroll(TScrollCode code, int& scrollPos);

 private:
  int LastPosition() const;
  void UpdateBar();
  void DoScroll(TMessage& message);

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int largeChange_ = 1;
  int smallChange_ = 1;
};

const TEnumInfo& ScrollBarKindType();
const TEnumInfo& ScrollCodeType();
