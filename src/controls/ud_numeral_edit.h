#pragma once
// An edit box for one 32-bit integer between Min and Max, with spin buttons inside its right
// edge that step it by Increment (as do the Up and Down keys), optionally wrapping around.
// It shows the value in decimal or hexadecimal, half-width or full-width, with or without
// digit groups, left- or right-aligned, and filters what is typed.
#include <cstdint>
#include <optional>

#include "controls/numeral_format.h"
#include "controls/numeral_rules.h"
#include "controls/skeleton_ud_btn.h"
#include "framework/custom_edit.h"

class TUDNumeralEdit : public TCustomEdit {
public:
  explicit TUDNumeralEdit(TComponent* owner);

  // Typing "-" or "+" makes the value negative or positive at once.
  bool SignPress() const { return FSignPress; }
  void SetSignPress(bool signPress) { FSignPress = signPress; }
  // Typed keys are filtered.
  bool KeyCheck() const { return FKeyCheck; }
  void SetKeyCheck(bool keyCheck) { FKeyCheck = keyCheck; }

  std::int32_t Max() const { return FMax; }
  void SetMax(std::int32_t max);
  std::int32_t Min() const { return FMin; }
  void SetMin(std::int32_t min);
  std::int32_t Increment() const { return FIncrement; }
  void SetIncrement(std::int32_t increment) { FIncrement = increment; }
  // Stepping past a bound continues at the other one.
  bool Wrap() const { return FWrap; }
  void SetWrap(bool wrap);

  std::int32_t NValue() const { return FNValue; }
  void SetNValue(std::int32_t value);

  TEditOptions EditOptions() const { return FEditOptions; }
  void SetEditOptions(TEditOptions options);

  bool BtnEnabled() const { return FBtn->Enabled(); }
  void SetBtnEnabled(bool enabled) { FBtn->SetEnabled(enabled); }
  int BtnWidth() const { return FBtn->Width(); }
  void SetBtnWidth(int width);
  TSkeletonUDBtn& Btn() { return *FBtn; }
  const TSkeletonUDBtn& Btn() const { return *FBtn; }

  // A disabled box turns button-face; enabled again, it gets its own colour back.
  void SetEnabled(bool enabled) override;

  // Takes typed text into the value, bounds it, shows it and reports the decision.
  void Commit();

  // After every step by a button or an arrow key.
  TBtnClickEvent OnBtnClick;
  // At the end of every commit, whether the value changed or not.
  TNotifyEvent OnDecision;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  TRect AlignArea() const override;
  void KeyPress(wchar_t& key) override;
  void SelectOnEnter() override;
  void DoExit() override;

  virtual void BtnClick(TComponent* sender, TBtnType btn);
  virtual void BtnRelease(TComponent* sender);

private:
  TNumeralRange Range() const { return {FMin, FMax, FWrap}; }
  void UpdateButtons(std::int32_t value);
  void SetEditRect();
  LRESULT DialogCode(const MSG* message) const;

  std::optional<TColor> FSavedColor;  // while disabled
  TEditOptions FEditOptions;
  TSkeletonUDBtn* FBtn;
  bool FSignPress = false;
  std::int32_t FMax = 2147483647;
  std::int32_t FMin = -2147483647;
  std::int32_t FIncrement = 1;
  std::int32_t FNValue = 0;
  bool FWrap = false;
  bool FKeyCheck = true;
};
