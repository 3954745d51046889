// TCustomEdit: what one-line edits (TEdit) and memos (TMemo) share, made from
// the standard "Edit" window: read-only, the length limit, the selection
// (SelStart, SelLength, SelText), the clipboard and the change event.
#pragma once

#include <optional>

#include "toolkit/Controls.h"

class TCustomEdit : public TWinControl {
  T_CLASS(TCustomEdit, TWinControl)

 public:
  explicit TCustomEdit(TComponent* owner);

  TBorderStyle BorderStyle() const { return TWinControl::BorderStyle(); }
  void SetBorderStyle(TBorderStyle style) { SetBorderStyleValue(style); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool Modified();
  void SetModified(bool value);

  // The selection in characters; setting SelStart removes the selection,
  // SelLength extends it from SelStart, SelText replaces it.
  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  AnsiString SelText();
  void SetSelText(const AnsiString& text);
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  // Gives a new window what the previous one had: the selection, the
  // modified flag and the first line shown. Called once its text is in.
  void RestoreWindowState();
  // The text changed (EN_CHANGE), also by program; not while loading.
  virtual void Change();

  // While the window is being made (and given its first text) EN_CHANGE is
  // not a change.
  bool creating_ = false;

 private:
  std::pair<int, int> Selection();

  struct WindowState {
    int start = 0, end = 0;
    bool modified = false;
    int firstLine = 0;
  };
  std::optional<WindowState> saved_;
  bool readOnly_ = false;
  int maxLength_ = 0;
};
