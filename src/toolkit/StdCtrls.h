// Standard controls: labels (windowless text), edit boxes and push buttons
// (toolkit classes made from the standard "Edit" and "Button" windows).
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls_Buttons.h"
#include "toolkit/StdCtrls_CustomEdit.h"
#include "toolkit/StdCtrls_ScrollBar.h"
#include "toolkit/StdCtrls_Lists.h"

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
  T_CLASS(TLabel, TGraphicControl)

 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;

 private:
  // Fits the bounds to the text (keeping the edge the alignment anchors).
  void AdjustBounds();
  UINT DrawFlags() const;
  void DrawLabelText(HDC dc, RECT& rect, UINT flags);

  bool autoSize_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

class TEdit : public TCustomEdit {
  T_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* owner);

  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  char passwordChar_ = 0;
  bool autoSelect_ = true;
};

class TButton : public TWinControl {
  T_CLASS(TButton, TWinControl)

 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

const TEnumInfo& TextLayoutType();
