// TSkinControl: taking over a control's messages, painting after the
// control, and handing everything back in the reverse order.
#include "skin/controls/WinSubClass.h"
#include "skin/forms/WinSkinForm.h"

T_CLASS_INFO(TSkinControl, TComponent, [](TClassInfo&) {})

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  RestoreControlWindowProc();
  if (FThunk != nullptr) {
    if (IsWindow(FHandle)) {
      const auto previous = reinterpret_cast<LONG_PTR>(FPrevWndProc);
      if (FUnicode) {
        SetWindowLongPtrW(FHandle, GWLP_WNDPROC, previous);
      } else {
        SetWindowLongPtrA(FHandle, GWLP_WNDPROC, previous);
      }
    }
    FreeWndProcThunk(FThunk);
    FThunk = nullptr;
  }
  if (FForm != nullptr) FForm->UnregisterControl(this);
}

void TSkinControl::RestoreControlWindowProc() {
  if (FSavedWindowProc && FControl != nullptr) FControl->WindowProc = FSavedWindowProc;
  FSavedWindowProc = nullptr;
}

// ---------------------------------------------------------------------------
// Attaching and releasing.

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData* skin, TCanvas* canvas, bool changeColor) {
  if (FAttached) return;
  FChangeColor = changeColor;
  FSkin = skin;
  FForm = form;
  FCanvas = canvas;
  FControl = As<TControl>(Owner());
  if (FControl == nullptr) return;
  if (auto* windowed = As<TWinControl>(FControl)) {
    try {
      FHandle = windowed->Handle();
    } catch (const Exception&) {
      FHandle = nullptr;
    }
    FUnicode = FHandle != nullptr && IsWindowUnicode(FHandle) != FALSE;
  }
  FSavedWindowProc = FControl->WindowProc;
  FControl->WindowProc = [this](TMessage& message) { ControlWndProc(message); };
  if (FForm != nullptr) FForm->RegisterControl(this);
  if (FChangeColor) {
    ApplyParentBackground(true);
    FSavedColor = FControl->Color();
    FControl->SetColor(FSkin->Colours[scButtonFace]);
  }
  if (FParentBackgroundWasTrue) Mode = 1;
  FControl->Invalidate();
  FAttached = true;
  FState = kSkinControlAttached;
}

void TSkinControl::AttachWindow(HWND handle, TSkinData* skin, TCanvas* canvas, TWinSkinForm* form) {
  FSkin = skin;
  FCanvas = canvas;
  FForm = form;
  FHandle = handle;
  FEnabled = true;
  Mode = 0;
  if (FForm != nullptr) FForm->RegisterControl(this);
  FUnicode = IsWindowUnicode(handle) != FALSE;
  FCaption = GetWindowCaption(handle);
  if (FThunk == nullptr) {
    FThunk = MakeWndProcThunk([this](HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
      TMessage message{msg, wParam, lParam, 0};
      ControlWndProc(message);
      return message.Result;
    });
    const auto thunk = reinterpret_cast<LONG_PTR>(FThunk);
    FPrevWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(handle, GWLP_WNDPROC, thunk)
                                                      : SetWindowLongPtrA(handle, GWLP_WNDPROC, thunk));
  }
  InvalidateRect(handle, nullptr, TRUE);
  FAttached = true;
  FState = kSkinControlAttached;
}

void TSkinControl::Detach() {
  // A control that is being destroyed keeps what it has: nothing would show it.
  if (!FChangeColor || FControl == nullptr || FControl->Destroying()) return;
  ApplyParentBackground(false);
  FControl->SetColor(FSavedColor);
}

void TSkinControl::SkinChanged() {
  if (FChangeColor && FControl != nullptr && FSkin != nullptr) FControl->SetColor(FSkin->Colours[scButtonFace]);
  Refresh();
}

void TSkinControl::ApplyParentBackground(bool on) {
  if (FSkin == nullptr || FSkin->Options().Contains(TSkinOption::xoParentBackGround)) return;
  if (FControl == nullptr || !HasPropByName(FControl, "ParentBackground")) return;
  if (on) {
    FParentBackgroundWasTrue = LowerCase(GetEnumPropByName(FControl, "ParentBackground")) == "true";
    if (FParentBackgroundWasTrue) SetPropByName(FControl, "ParentBackground", "False");
  } else if (FParentBackgroundWasTrue) {
    SetPropByName(FControl, "ParentBackground", "True");
  }
}

// ---------------------------------------------------------------------------
// Messages.

void TSkinControl::ControlWndProc(TMessage& message) {
  if (message.Msg == SKM_ENABLE) {
    FSkinEnabled = static_cast<LONG_PTR>(message.WParam) > 0;
    if (FSkinEnabled) Refresh();
    return;
  }
  // The control goes away: it gets its WindowProc back while it still exists.
  if (message.Msg == CM_CONTROLREMOVING && FControl != nullptr && FControl->Destroying()) {
    TWndMethod saved = FSavedWindowProc;
    RestoreControlWindowProc();
    if (saved) saved(message);
    return;
  }
  if (message.Msg == CM_RECREATEWND) FRecreating = true;
  if (FRecreating) FollowNewWindow();
  if (!FSkinEnabled) {
    CallDefault(message);
    return;
  }
  if (BeforeMessage(message)) {
    CallDefault(message);
    AfterMessage(message);
  }
}

void TSkinControl::CallDefault(TMessage& message) {
  if (FSavedWindowProc) {
    // A copy: the handler may give the control its WindowProc back.
    TWndMethod saved = FSavedWindowProc;
    saved(message);
  } else if (FPrevWndProc != nullptr) {
    message.Result = CallWindowProcA(FPrevWndProc, FHandle, message.Msg, message.WParam, message.LParam);
  }
}

void TSkinControl::FollowNewWindow() {
  auto* windowed = As<TWinControl>(FControl);
  if (windowed == nullptr || !windowed->HandleAllocated() || windowed->Handle() == FHandle) return;
  if (!IsWindow(windowed->Handle())) return;
  FHandle = windowed->Handle();
  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FRecreating = false;
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      CallDefault(message);
      // A window made again keeps its skin: only the handle changes.
      if (FRecreating && FControl != nullptr && !FControl->Destroying()) return false;
      FSkinEnabled = false;
      FState = kSkinControlDead;
      Detach();
      return false;
    case SKM_ISSKINNED:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintFrame(reinterpret_cast<HDC>(message.WParam));
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Refresh();
      break;
    case SKM_ENABLE:
      FSkinEnabled = static_cast<LONG_PTR>(message.WParam) > 0;
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Painting.

void TSkinControl::PaintFrame(HDC dc) {
  RECT window{};
  if (FHandle == nullptr || !GetWindowRect(FHandle, &window)) return;
  FWindowRect = window;
  const TRect rect = Rect(0, 0, window.right - window.left, window.bottom - window.top);
  try {
    if (dc != nullptr) {
      Draw(dc, rect);
      return;
    }
    HDC windowDC = GetWindowDC(FHandle);
    if (windowDC == nullptr) return;
    try {
      Draw(windowDC, rect);
    } catch (...) {
      ReleaseDC(FHandle, windowDC);
      throw;
    }
    ReleaseDC(FHandle, windowDC);
  } catch (...) {
    // A paint never raises out of the message: a skin part that cannot be
    // drawn is simply not drawn.
  }
}

void TSkinControl::Draw(HDC, const TRect&) {}

void TSkinControl::Refresh() {
  if (FPaintTarget != nullptr) {
    FPaintTarget->Invalidate();
  } else if (FHandle != nullptr) {
    InvalidateRect(FHandle, nullptr, TRUE);
    UpdateWindow(FHandle);
  }
}

void TSkinControl::FillFace(HDC dc, const TRect& rect) {
  if (FSkin != nullptr) FillColor(dc, rect, FSkin->Colours[scButtonFace]);
}

void TSkinControl::FillParentColor(HDC dc, const TRect& rect) {
  FillColor(dc, rect, ParentColor(FSkin != nullptr ? FSkin->Colours[scButtonFace] : clBtnFace));
}

TColor TSkinControl::ParentColor(TColor defaultColor) {
  if (FControl == nullptr || FControl->Parent() == nullptr) return defaultColor;
  const TPropInfo* info = GetPropInfo(FControl->Parent(), "Color");
  if (info == nullptr || info->Kind != TTypeKind::tkInteger) return defaultColor;
  return static_cast<TColor>(GetOrdPropByName(FControl->Parent(), "Color"));
}

void TSkinControl::DrawTextFocus(HDC dc, const TRect& rect, UINT flags) {
  RECT measured = rect;
  SkinDrawText(dc, FCaption, &measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = measured.right - measured.left;
  const int height = measured.bottom - measured.top;
  if (flags & DT_CENTER) {
    OffsetRect(&measured, (RectWidth(rect) - width) / 2, (RectHeight(rect) - height) / 2 - 1);
  } else if (flags & DT_RIGHT) {
    OffsetRect(&measured, RectWidth(rect) - width, 0);
  }
  InflateRect(&measured, 2, 1);
  RECT clipped{};
  const RECT bounds = rect;
  IntersectRect(&clipped, &measured, &bounds);
  DrawFocusRect(dc, &clipped);
}

void TSkinControl::ForwardMouseDown(TMessage& message) {
  if (FControl == nullptr) return;
  int x = static_cast<std::int16_t>(LOWORD(message.LParam));
  int y = static_cast<std::int16_t>(HIWORD(message.LParam));
  if (FControl->Width() > 0x8000 || FControl->Height() > 0x8000) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const TPoint client = FControl->ScreenToClient(TPoint{cursor.x, cursor.y});
    x = client.x;
    y = client.y;
  }
  TShiftState shift;
  if (message.WParam & MK_SHIFT) shift.Include(TShiftStateItem::ssShift);
  if (message.WParam & MK_CONTROL) shift.Include(TShiftStateItem::ssCtrl);
  if (message.WParam & MK_LBUTTON) shift.Include(TShiftStateItem::ssLeft);
  if (message.WParam & MK_RBUTTON) shift.Include(TShiftStateItem::ssRight);
  if (message.WParam & MK_MBUTTON) shift.Include(TShiftStateItem::ssMiddle);
  FControl->MouseDown(TMouseButton::mbLeft, shift, x, y);
}

// ---------------------------------------------------------------------------
// Free helpers.

void FillColor(HDC dc, const TRect& rect, TColor colour) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
  const RECT r = rect;
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

bool IsPopupWindow(HWND handle) {
  // The fixed parent handle of the original platform's desktop-owned popups
  // has no counterpart here: only the style counts.
  return (static_cast<DWORD>(GetWindowLongA(handle, GWL_STYLE)) & WS_POPUP) != 0;
}

void CopyBitmap(TBitmap* source, TBitmap* dest) {
  if (source == nullptr || dest == nullptr) return;
  dest->SetPixelFormat(source->PixelFormat());
  dest->SetWidth(source->Width());
  dest->SetHeight(source->Height());
  dest->Canvas()->Draw(0, 0, source);
}

WideString GetWindowCaption(HWND handle) {
  if ((SkinPlatformVersion() & 0x80000000u) == 0) {
    const int length = GetWindowTextLengthW(handle);
    if (length <= 0) return WideString();
    std::vector<WCHAR> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(handle, text.data(), length + 1);
    return WideString(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
  }
  char text[1000] = {};
  SendMessageA(handle, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return AnsiToWide(text);
}

bool HasScrollBars(TControl* control) {
  auto* windowed = As<TWinControl>(control);
  if (windowed == nullptr || !windowed->HandleAllocated()) return false;
  const auto style = static_cast<DWORD>(GetWindowLongA(windowed->Handle(), GWL_STYLE));
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

void PlaceOverlayAbove(HWND overlay, HWND target, int x, int y, int width, int height) {
  if (overlay == nullptr || target == nullptr || overlay == target) return;
  HWND above = GetWindow(target, GW_HWNDPREV);
  if (above == overlay) above = GetWindow(overlay, GW_HWNDPREV);
  SetWindowPos(overlay, above != nullptr ? above : HWND_TOP, x, y, width, height, SWP_NOACTIVATE);
}
