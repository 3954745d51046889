// TMemo: a multi-line edit whose text is its Lines, with scroll bars, word
// wrap, alignment, and the choice of taking Return and Tab from the dialog.
#pragma once

#include <memory>

#include "toolkit/Classes_Strings.h"
#include "toolkit/StdCtrls_CustomEdit.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

const TEnumInfo& ScrollStyleType();

class TMemo : public TCustomEdit {
  T_CLASS(TMemo, TCustomEdit)

 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  // The lines of the text; changing them changes the window's text, and
  // typing changes them.
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* lines) { lines_->Assign(lines); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Change() override;

 private:
  // The lines as the window's text: joined by line breaks, none after the last.
  AnsiString LinesText() const;
  void StyleChanged();

  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool syncing_ = false;  // the lines follow the window, not the other way
};
