// The state of a "ComboBox" shared by the files of the class, and what its
// "ComboLBox" list tells it.
#pragma once

#include "platform/controls/controls.h"

namespace platform {

constexpr int kComboEditId = 1001;
constexpr int kComboListId = 1000;

struct ComboData {
  HWND self = nullptr;
  HWND parent = nullptr;
  HWND edit = nullptr;  // drop-down and simple styles
  HWND list = nullptr;
  WNDPROC editProc = nullptr;    // the edit's own procedure, under our thunk
  WNDPROC editThunk = nullptr;
  HFONT font = nullptr;
  int fieldHeight = 0;   // the selection field's item height (CB_GETITEMHEIGHT -1)
  int dropHeight = 0;    // the height asked at creation: the combo with its list
  int droppedWidth = 0;
  int selectionAtDrop = -1;
  bool dropped = false;
  bool buttonHeld = false;
  bool focused = false;
  bool extendedUi = false;
  bool sizing = false;
  bool quietEdit = false;  // the combo box sets the edit's text: no CBN_EDIT* for it
};

ComboData* ComboDataOf(HWND hwnd);
DWORD ComboType(HWND hwnd);  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
void ComboNotify(const ComboData& c, WORD code);

// Layout (combobox_layout.cpp).
RECT ComboItemRect(HWND hwnd, const ComboData& c);
RECT ComboButtonRect(HWND hwnd);
RECT DroppedRect(HWND hwnd, const ComboData& c);  // screen coordinates
void LayOutCombo(HWND hwnd, ComboData& c);
void CreateComboParts(HWND hwnd, ComboData& c, const CREATESTRUCTW& cs);
void DestroyComboParts(ComboData& c);

// Dropping the list and the keys (combobox_dropdown.cpp).
void DropDown(ComboData& c);
void CloseUp(ComboData& c, bool accepted);
void ComboKey(ComboData& c, UINT message, WPARAM key);
// The list's selection became the combo's: the edit's text follows.
void SelectionToText(ComboData& c);
void ReleaseButton(ComboData& c);

// Painting (combobox_paint.cpp).
void PaintCombo(HWND hwnd, HDC dc, ComboData& c);

void RegisterComboListClass();

}  // namespace platform
