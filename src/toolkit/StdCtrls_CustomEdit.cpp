// TCustomEdit: the edit messages behind the selection, the clipboard, undo
// and the change event.
#include "toolkit/StdCtrls_CustomEdit.h"

#include <tuple>

#include "platform/controls/controls.h"

T_CLASS_INFO(TCustomEdit, TWinControl, [](TClassInfo&) {})

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetBorderStyleValue(TBorderStyle::bsSingle);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "Edit";
  if (readOnly_) params.Style |= ES_READONLY;
}

void TCustomEdit::CreateWnd() {
  creating_ = true;
  TWinControl::CreateWnd();
  creating_ = false;
  SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::DestroyWnd() {
  WindowState state;
  std::tie(state.start, state.end) = Selection();
  state.modified = Modified();
  state.firstLine = std::max(0, static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
  saved_ = state;
  TWinControl::DestroyWnd();
}

void TCustomEdit::RestoreWindowState() {
  if (!saved_ || !HandleAllocated()) return;
  const WindowState state = *saved_;
  saved_.reset();
  HWND hwnd = Handle();
  SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(state.start), static_cast<LPARAM>(state.end));
  const auto shown = static_cast<int>(SendMessageA(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0));
  if (state.firstLine != shown) SendMessageA(hwnd, EM_LINESCROLL, 0, state.firstLine - shown);
  SendMessageA(hwnd, EM_SETMODIFY, state.modified ? TRUE : FALSE, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value ? 1 : 0, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

bool TCustomEdit::Modified() { return SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0; }
void TCustomEdit::SetModified(bool value) { SendMessageA(Handle(), EM_SETMODIFY, value ? 1 : 0, 0); }

std::pair<int, int> TCustomEdit::Selection() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

int TCustomEdit::SelStart() { return Selection().first; }

void TCustomEdit::SetSelStart(int value) {
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), static_cast<LPARAM>(value));
}

int TCustomEdit::SelLength() {
  const auto [start, end] = Selection();
  return end - start;
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + std::max(0, value)));
}

AnsiString TCustomEdit::SelText() {
  const auto [start, end] = Selection();
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, u'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  if (start >= static_cast<int>(text.size())) return {};
  return platform::WideToAnsiString(
      std::u16string_view(text).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
}

void TCustomEdit::SetSelText(const AnsiString& text) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }
void TCustomEdit::ClearSelection() { SendMessageA(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageA(Handle(), WM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return SendMessageA(Handle(), EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (!Loading() && !creating_) Change();
    return;
  }
  TWinControl::WndProc(message);
}
