// TWinControl: the window of a control, made on demand from a toolkit window
// class (registered with the A functions, made from a standard class where
// the control is one), the child list, and the messages every windowed
// control handles before its window's own procedure.
#include <algorithm>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/Controls.h"

namespace {

// The control whose window CreateWindowEx is making: its first message
// attaches the window to it.
TWinControl* g_creating = nullptr;

// The procedure each toolkit class was made from (null: DefWindowProcA).
std::map<AnsiString, WNDPROC>& RegisteredClasses() {
  static std::map<AnsiString, WNDPROC> classes;
  return classes;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Child controls go with their parent, the last one first.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    child->Free();
  }
  DestroyHandle();
  if (objectInstance_ != nullptr) FreeWndProcThunk(objectInstance_);
  if (brush_ != nullptr) DeleteObject(brush_);
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr) {
    if (Parent() != nullptr) Parent()->HandleNeeded();
    if (handle_ == nullptr) CreateHandle();
  }
  return handle_;
}

void TWinControl::SetParentWindow(HWND window) {
  if (Parent() != nullptr || window == parentWindow_) return;
  if (handle_ != nullptr && window != nullptr) {
    ::SetParent(handle_, window);
  } else if (handle_ != nullptr) {
    DestroyHandle();
  }
  parentWindow_ = window;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = text_;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent() != nullptr) {
    params.WndParent = Parent()->Handle();
  } else {
    params.WndParent = parentWindow_;
  }
  params.WinClassName = ClassName();
}

void TWinControl::CreateHandle() {
  if (handle_ != nullptr) return;
  CreateWnd();
  // The children's windows follow, bottom of the z-order first.
  for (TControl* child : std::vector<TControl*>(controls_)) {
    if (auto* windowed = As<TWinControl>(child)) windowed->HandleNeeded();
  }
  lastClient_ = SIZE{-1, -1};
  Realign();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.WndParent == nullptr && (params.Style & WS_CHILD)) {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
  auto& classes = RegisteredClasses();
  auto known = classes.find(params.WinClassName);
  if (known == classes.end()) {
    WNDCLASSEXA wc;
    WNDPROC original = nullptr;
    wc.style = params.ClassStyle;
    if (!params.SubClassOf.empty()) {
      WNDCLASSEXA standard;
      if (!GetClassInfoExA(nullptr, params.SubClassOf.c_str(), &standard)) {
        throw EOSError("Window class " + params.SubClassOf + " does not exist");
      }
      original = standard.lpfnWndProc;
      wc.style = standard.style;
      wc.cbWndExtra = standard.cbWndExtra;
      wc.hbrBackground = standard.hbrBackground;
      wc.hCursor = standard.hCursor;
    } else {
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = params.Background;
    }
    wc.lpfnWndProc = WndProcFromFunction(&TWinControl::InitWndProc);
    wc.hInstance = platform::ProgramModule();
    wc.lpszClassName = params.WinClassName.c_str();
    if (RegisterClassExA(&wc) == 0 && GetLastError() != 1410) {
      throw EOSError("Window class " + params.WinClassName + " cannot be registered");
    }
    known = classes.emplace(params.WinClassName, original).first;
  }
  defWndProc_ = known->second;
  if (objectInstance_ == nullptr) {
    objectInstance_ = MakeWndProcThunk([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
      LRESULT result = 0;
      MainWndProc(hwnd, message, wParam, lParam, result);
      return result;
    });
  }
  CreateWindowHandle(params);
  if (handle_ == nullptr) throw EOSError("Error creating window " + params.WinClassName);
  if (defWndProc_ != nullptr) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  TWinControl* previous = g_creating;
  g_creating = this;
  HWND created = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                 params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                 platform::ProgramModule(), nullptr);
  g_creating = previous;
  if (created == nullptr) handle_ = nullptr;
}

LRESULT TWinControl::InitWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = g_creating;
  if (control == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  g_creating = nullptr;
  control->AttachWindow(hwnd);
  return CallWindowProcA(control->objectInstance_, hwnd, message, wParam, lParam);
}

void TWinControl::AttachWindow(HWND hwnd) {
  handle_ = hwnd;
  SetPropA(hwnd, MAKEINTATOMA(ControlAtom()), reinterpret_cast<HANDLE>(this));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(objectInstance_));
}

void TWinControl::DetachWindow() {
  if (handle_ == nullptr) return;
  if (IsWindow(handle_)) RemovePropA(handle_, MAKEINTATOMA(ControlAtom()));
  handle_ = nullptr;
  showing_ = false;
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TControl* child : controls_) {
    if (auto* windowed = As<TWinControl>(child)) windowed->DestroyHandle();
  }
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  DestroyWindow(handle_);
  DetachWindow();
}

// The new window takes the old one's place among its siblings, and the
// focus goes back to the control (this one or a descendant) that had it.
void TWinControl::RecreateWnd() {
  if (handle_ == nullptr || Destroying()) return;
  Perform(CM_RECREATEWND);
  if (handle_ == nullptr) return;
  TWinControl* focused = nullptr;
  for (HWND w = GetFocus(); w != nullptr && focused == nullptr && (w == handle_ || IsChild(handle_, w));
       w = GetParent(w)) {
    focused = FindControl(w);
  }
  const HWND above = GetWindow(handle_, GW_HWNDPREV);
  DestroyHandle();
  HandleNeeded();
  if (handle_ == nullptr) return;
  if (GetParent(handle_) != nullptr) {
    SetWindowPos(handle_, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (focused != nullptr && focused->HandleAllocated() && focused->CanFocus()) ::SetFocus(focused->Handle());
}

void TWinControl::MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == CM_RELEASE) {
    // Nothing of the control may be touched after this.
    Free();
    result = 0;
    return;
  }
  TMessage m{message, wParam, lParam, 0};
  try {
    if (handle_ == nullptr) handle_ = hwnd;
    if (WindowProc) {
      WindowProc(m);
    } else {
      WndProc(m);
    }
  } catch (...) {
    Application->HandleException(this);
  }
  if (message == WM_NCDESTROY) DetachWindow();
  result = m.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ == nullptr) {
    message.Result = 0;
    return;
  }
  message.Result = defWndProc_ != nullptr
                       ? CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam)
                       : DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::InsertControl(TControl* control) {
  if (control->parent_ != nullptr) control->parent_->RemoveControl(control);
  controls_.push_back(control);
  control->parent_ = this;
  auto* windowed = As<TWinControl>(control);
  if (windowed != nullptr) {
    tabList_.push_back(windowed);
    if (windowed->handle_ != nullptr) {
      if (handle_ != nullptr) {
        ::SetParent(windowed->handle_, handle_);
      } else {
        windowed->DestroyHandle();
      }
    }
    if (handle_ != nullptr && !Loading()) windowed->HandleNeeded();
  }
  control->Invalidate();
  // Every child counts for the layout (a scrolling parent's range too).
  AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control) {
  if (control->parent_ != this) return;
  control->Invalidate();
  if (control == MouseControl()) SetMouseControl(nullptr);
  std::erase(controls_, control);
  if (auto* windowed = As<TWinControl>(control)) {
    std::erase(tabList_, windowed);
    if (!windowed->Destroying()) windowed->DestroyHandle();
  }
  control->parent_ = nullptr;
  Realign();
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool includeWindowed) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!includeWindowed && c->Is<TWinControl>()) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const TRect r = c->BoundsRect();
    if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const auto at = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(order, 0)), 0, list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::SetTabStop(bool value) {
  tabStop_ = value;
  if (handle_ == nullptr) return;
  const LONG style = GetWindowLongA(handle_, GWL_STYLE);
  SetWindowLongA(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP)));
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::Focused() { return handle_ != nullptr && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SetParentBackground(bool value) {
  if (value == parentBackground_) return;
  parentBackground_ = value;
  Invalidate();
}

void TWinControl::SetBorderStyleValue(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_ != nullptr) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return;  // WM_SIZE and WM_MOVE bring the new bounds back
  }
  SetBoundsWithoutAlign(left, top, width, height);
  RequestAlign();
  Realign();
}

// Reads the window's rectangle back into the bounds (in the parent's client
// coordinates, or the screen's for a top-level window).
void TWinControl::UpdateBounds() {
  RECT r{};
  GetWindowRect(handle_, &r);
  HWND parent = GetParent(handle_);
  if (parent != nullptr && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  if (r.left == Left() && r.top == Top() && RectWidth(r) == Width() && RectHeight(r) == Height()) return;
  SetBoundsWithoutAlign(r.left, r.top, RectWidth(r), RectHeight(r));
  RequestAlign();
}

TRect TWinControl::ClientRect() {
  if (handle_ == nullptr) return TControl::ClientRect();
  RECT r{};
  GetClientRect(handle_, &r);
  return r;
}

TPoint TWinControl::ClientOrigin() {
  if (handle_ != nullptr) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
  }
  if (Parent() == nullptr) return Point(Left(), Top());
  return TControl::ClientOrigin();
}

AnsiString TWinControl::GetText() {
  if (handle_ == nullptr) return text_;
  const int length = GetWindowTextLengthA(handle_);
  AnsiString text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
  const int got = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
  return text;
}

void TWinControl::SetText(const AnsiString& text) {
  if (handle_ == nullptr) return TControl::SetText(text);
  if (text == GetText()) return;
  text_ = text;
  SetWindowTextA(handle_, text.c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_ != nullptr) EnableWindow(handle_, enabled);
}

void TWinControl::NotifyControls(UINT message) {
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(message);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  lastClient_ = SIZE{-1, -1};
  Realign();
}

void TWinControl::UpdateShowing() {
  if (handle_ == nullptr) return;
  const bool shown = (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != Visible()) ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
  showing_ = Visible();
}
