#pragma once
// A single-line edit box on the system's edit control: text, the modified flag, the selection,
// read-only, and selecting everything when the box is entered from the keyboard.
#include <string>

#include "framework/win_control.h"

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);

  std::wstring Text() const;
  // Setting the text it already has does nothing. A text set by the program is no change made
  // by the user: the modified flag is cleared.
  void SetText(const std::wstring& text);
  // Whether the user changed the text since the program last set it.
  bool Modified() const;
  void SetModified(bool modified);

  // The selection lives in the window; without one there is none.
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  void SelectAll();
  // Replaces the selection (or inserts at the caret), as typing would.
  void ReplaceSelection(const std::wstring& text);

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool autoSelect) { FAutoSelect = autoSelect; }
  // A sunken 3-D border; without it a flat one.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool ctl3D);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool ReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DoEnter() override;
  // What entering the box by keyboard selects.
  virtual void SelectOnEnter();
  virtual void Change();

private:
  // Held here while there is no window.
  std::wstring FText;
  bool FModified = false;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  bool FCtl3D = true;
};
