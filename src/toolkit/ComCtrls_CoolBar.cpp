// TCoolBar: the toolkit class "TCoolBar" made from the standard
// "ReBarWindow32" window. Its bands become the window's bands (found again
// by their identifiers, as the user may reorder them), their controls the
// bands' child windows, which the window places; the window's layout
// notifications come back reflected as CN_NOTIFY. With AutoSize the bar's
// height follows its rows.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

T_CLASS_INFO(TCoolBar, TWinControl, [](TClassInfo& c) {
  using namespace published;
  using C = TCoolBar;
  c.Factory = &CreateInstance<TCoolBar>;
  c.AddProperty(Object<C, TCollection>("Bands", &C::Bands, nullptr));
  c.AddProperty(
      Enumeration<C, TBorderStyle>("BandBorderStyle", BorderStyleType(), &C::BandBorderStyle, &C::SetBandBorderStyle));
  c.AddProperty(Boolean<C>("AutoSize", &C::AutoSize, &C::SetAutoSize));
  c.AddProperty(Object<C, TImageList>("Images", &C::Images, &C::SetImages));
  c.AddProperty(Method<C>("OnChange", &C::OnChange));
})

TCoolBar::TCoolBar(TComponent* owner)
    : TWinControl(owner), bands_(std::make_unique<TCollection>([this](TCollection* collection) {
        auto band = std::make_unique<TCoolBand>(collection);
        band->bar_ = this;
        return band;
      })) {
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  SetBounds(0, 0, 150, 75);
  SetAlign(TAlign::alTop);
  SetColor(clBtnFace);
  bands_->OnUpdate = [this](TCollection*, TCollectionItem* item) { BandsChanged(static_cast<TCoolBand*>(item)); };
}

TCoolBar::~TCoolBar() { bands_->OnUpdate = nullptr; }

TCoolBand* TCoolBar::Band(int index) const { return static_cast<TCoolBand*>(bands_->Item(index)); }

TCoolBand* TCoolBar::AddBand() { return static_cast<TCoolBand*>(bands_->Add()); }

TCoolBand* TCoolBar::BandOf(const TControl* control) const {
  for (int i = 0; i < bands_->Count(); ++i) {
    if (control != nullptr && Band(i)->Control() == control) return Band(i);
  }
  return nullptr;
}

void TCoolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "ReBarWindow32";
  // The toolkit aligns the bar itself; the rows keep their own heights.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | RBS_VARHEIGHT | WS_CLIPCHILDREN;
  if (bandBorderStyle_ == TBorderStyle::bsSingle) params.Style |= RBS_BANDBORDERS;
}

void TCoolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendImages();
  RebuildBands();
  SendColours();
}

void TCoolBar::Loaded() {
  TWinControl::Loaded();
  RebuildBands();
}

// The window places the bands' controls; what reaches the bar here that
// matters is a control shown or hidden, which shows or hides its band.
void TCoolBar::AlignControls(TControl* control, TRect& rect) {
  (void)control;
  (void)rect;
  if (!HandleAllocated() || rebuilding_ || Loading()) return;
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = Band(i);
    const LRESULT index = SendMessageA(Handle(), RB_IDTOINDEX, band->Id(), 0);
    if (band->Control() == nullptr || index < 0) continue;
    REBARBANDINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE;
    SendMessageA(Handle(), RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    const bool hidden = !band->Visible() || !band->Control()->Visible();
    if (hidden != ((info.fStyle & RBBS_HIDDEN) != 0)) BandsChanged(band);
  }
}

void TCoolBar::BandsChanged(TCoolBand* band) {
  if (!HandleAllocated() || Loading() || rebuilding_) return;
  if (band == nullptr) {
    RebuildBands();
    return;
  }
  SendBand(band, false);
  FitHeight();
}

// The window's bands again from the collection, in its order.
void TCoolBar::RebuildBands() {
  if (!HandleAllocated() || rebuilding_) return;
  rebuilding_ = true;
  HWND h = Handle();
  while (SendMessageA(h, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageA(h, RB_DELETEBAND, 0, 0);
  for (int i = 0; i < bands_->Count(); ++i) SendBand(Band(i), true);
  rebuilding_ = false;
  FitHeight();
}

void TCoolBar::SendBand(TCoolBand* band, bool insert) {
  HWND h = Handle();
  TWinControl* control = band->Control();
  if (control != nullptr && control->Parent() != this) control = nullptr;
  REBARBANDINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_STYLE | RBBIM_COLORS | RBBIM_TEXT | RBBIM_IMAGE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID |
               RBBIM_LPARAM | RBBIM_IDEALSIZE;
  const bool hidden = !band->Visible() || (control != nullptr && !control->Visible());
  info.fStyle = (band->Break() ? RBBS_BREAK : 0) | (band->FixedSize() ? RBBS_FIXEDSIZE : 0) | (hidden ? RBBS_HIDDEN : 0);
  info.clrFore = CLR_DEFAULT;
  info.clrBack = ColorToRGB(band->ParentColor() ? Color() : band->Color());
  AnsiString text = band->Text();
  info.lpText = text.data();
  info.iImage = band->ImageIndex();
  info.hwndChild = control != nullptr ? control->Handle() : nullptr;
  // A control lower than the band's least height is stretched to it.
  info.cxMinChild = static_cast<UINT>(band->MinWidth());
  info.cyMinChild = static_cast<UINT>(std::max(band->MinHeight(), control != nullptr ? control->Height() : 0));
  info.cxIdeal = static_cast<UINT>(band->controlWidth_);
  info.wID = band->Id();
  info.lParam = reinterpret_cast<LPARAM>(band);
  if (band->Width() > 0) {
    info.fMask |= RBBIM_SIZE;
    info.cx = static_cast<UINT>(band->Width());
  }
  LRESULT index = SendMessageA(h, RB_IDTOINDEX, band->Id(), 0);
  if (insert || index < 0) {
    SendMessageA(h, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
    index = SendMessageA(h, RB_IDTOINDEX, band->Id(), 0);
  } else {
    SendMessageA(h, RB_SETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  }
  if (band->Width() > 0 || index < 0) return;
  // Without a width of its own the band is as wide as its control was.
  RECT borders{};
  SendMessageA(h, RB_GETBANDBORDERS, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&borders));
  REBARBANDINFOA size{};
  size.cbSize = sizeof(size);
  size.fMask = RBBIM_SIZE;
  size.cx = static_cast<UINT>(borders.left + std::max(band->controlWidth_, band->MinWidth()) + borders.right);
  SendMessageA(h, RB_SETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&size));
}

void TCoolBar::SendColours() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), RB_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  for (int i = 0; i < bands_->Count(); ++i) {
    if (Band(i)->ParentColor()) BandsChanged(Band(i));
  }
}

void TCoolBar::SendImages() {
  if (!HandleAllocated()) return;
  REBARINFO info{sizeof(REBARINFO), RBIM_IMAGELIST, images_ != nullptr ? images_->Handle() : nullptr};
  SendMessageA(Handle(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::SetImages(TImageList* value) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = value;
  if (value != nullptr) FreeNotification(value);
  SendImages();
}

void TCoolBar::SetBandBorderStyle(TBorderStyle value) {
  bandBorderStyle_ = value;
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
  SetWindowLongA(Handle(), GWL_STYLE, value == TBorderStyle::bsSingle ? (style | RBS_BANDBORDERS)
                                                                      : (style & ~static_cast<LONG>(RBS_BANDBORDERS)));
  FitHeight();
}

void TCoolBar::SetAutoSize(bool value) {
  autoSize_ = value;
  FitHeight();
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == images_) SetImages(nullptr);
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = Band(i);
    if (band->control_ != component) continue;
    band->control_ = nullptr;
    BandsChanged(band);
  }
}

// The widths and rows the user gave the bands become theirs.
void TCoolBar::ReadBandsBack() {
  if (!HandleAllocated()) return;
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = Band(i);
    const LRESULT index = SendMessageA(Handle(), RB_IDTOINDEX, band->Id(), 0);
    if (index < 0) continue;
    REBARBANDINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_SIZE | RBBIM_STYLE;
    SendMessageA(Handle(), RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    band->width_ = static_cast<int>(info.cx);
    band->break_ = (info.fStyle & RBBS_BREAK) != 0;
  }
}

void TCoolBar::FitHeight() {
  if (!autoSize_ || !HandleAllocated() || rebuilding_) return;
  RECT window{};
  RECT client{};
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  const int frame = (window.bottom - window.top) - client.bottom;
  const int height = static_cast<int>(SendMessageA(Handle(), RB_GETBARHEIGHT, 0, 0)) + frame;
  if (height != Height()) SetBounds(Left(), Top(), Width(), height);
}

void TCoolBar::Change() {
  if (OnChange) OnChange(this);
}

void TCoolBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code == RBN_HEIGHTCHANGE) {
        message.Result = 0;
        FitHeight();
        return;
      }
      if (header->code == RBN_LAYOUTCHANGED) {
        message.Result = 0;
        ReadBandsBack();
        Change();
        return;
      }
      break;
    }
    case CM_COLORCHANGED:
      SendColours();
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
