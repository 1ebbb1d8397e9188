#include "controls/ud_numeral_edit.h"

#include "controls/numeral_keys.h"

TUDNumeralEdit::TUDNumeralEdit(TComponent* owner) : TCustomEdit(owner), FBtn(&Make<TSkeletonUDBtn>()) {
  FBtn->SetName(L"UDBtn");
  FBtn->SetParent(this);
  FBtn->SetAlign(TAlign::alRight);
  FBtn->OnBtnClick = [this](TComponent* sender, TBtnType btn) { BtnClick(sender, btn); };
  FBtn->OnBtnRelease = [this](TComponent* sender) { BtnRelease(sender); };
}

void TUDNumeralEdit::SetMax(std::int32_t max) {
  if (max == FMax) return;
  FMax = max < FMin ? FMin : max;
  if (FNValue > FMax)
    SetNValue(FMax);
  else
    UpdateButtons(FNValue);
}

void TUDNumeralEdit::SetMin(std::int32_t min) {
  if (min == FMin) return;
  FMin = min > FMax ? FMax : min;
  if (FNValue < FMin)
    SetNValue(FMin);
  else
    UpdateButtons(FNValue);
}

void TUDNumeralEdit::SetWrap(bool wrap) {
  if (wrap == FWrap) return;
  FWrap = wrap;
  UpdateButtons(FNValue);
}

void TUDNumeralEdit::SetNValue(std::int32_t value) {
  FNValue = value;
  Commit();
}

void TUDNumeralEdit::SetEditOptions(TEditOptions options) {
  if (options == FEditOptions) return;
  Commit();  // typed text is read in the style it was typed in
  FEditOptions = options;
  const bool rightAligned = HandleAllocated() && (::GetWindowLongW(Handle(), GWL_STYLE) & ES_RIGHT) != 0;
  if (HandleAllocated() && options.Contains(TEditOption::eoRightAlign) != rightAligned)
    RecreateWnd();  // which commits again
  else
    Commit();
}

void TUDNumeralEdit::SetBtnWidth(int width) {
  FBtn->SetWidth(width);
  SetEditRect();
  Invalidate();
}

void TUDNumeralEdit::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TCustomEdit::SetEnabled(enabled);
  if (enabled && Color() == clBtnFace && FSavedColor) {
    SetColor(*FSavedColor);
    FSavedColor.reset();
  } else if (!enabled && Color() != clBtnFace) {
    FSavedColor = Color();
    SetColor(clBtnFace);
  }
  UpdateButtons(FNValue);
}

void TUDNumeralEdit::Commit() {
  const bool typed = Modified();
  if (typed) FNValue = ValueFromText(Text(), FEditOptions, FNValue, Range());
  FNValue = BoundValue(FNValue, Range(), typed);
  UpdateButtons(FNValue);
  SetText(FormatValue(FNValue, FEditOptions));
  // The typed text was already in shape, so it stayed: show that it was taken.
  if (Modified()) {
    SelectAll();
    SetModified(false);
  }
  if (OnDecision) OnDecision(this);
}

void TUDNumeralEdit::UpdateButtons(std::int32_t value) {
  const TButtonStates states = ButtonStatesFor(value, Range(), Enabled());
  FBtn->SetUpEnabled(states.UpEnabled);
  FBtn->SetDownEnabled(states.DownEnabled);
}

void TUDNumeralEdit::BtnClick(TComponent* sender, TBtnType btn) {
  (void)sender;
  if (Modified()) Commit();
  const TStep step = StepValue(FNValue, FIncrement, btn == TBtnType::btUp, Range());
  SetNValue(step.Value);
  if (step.DisableUp) FBtn->SetUpEnabled(false);
  if (step.DisableDown) FBtn->SetDownEnabled(false);
  if (OnBtnClick) OnBtnClick(this, btn);
}

void TUDNumeralEdit::BtnRelease(TComponent* sender) {
  (void)sender;
  if (!Focused()) SetFocus();
  if (!ReadOnly()) SelectAll();
}

void TUDNumeralEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  // Only a multi-line edit box aligns its text to the right.
  if (FEditOptions.Contains(TEditOption::eoRightAlign)) params.Style |= ES_MULTILINE | ES_RIGHT;
}

void TUDNumeralEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  SetEditRect();
  Commit();
}

TRect TUDNumeralEdit::AlignArea() const { return ButtonPairArea(Width(), Height(), Ctl3D()); }

void TUDNumeralEdit::SetEditRect() {
  if (!HandleAllocated()) return;
  if (::GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE) {
    const RECT rect = ToWinRect(EditTextRect(ClientWidth(), ClientHeight(), BtnWidth()));
    ::SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
  } else {
    // A single-line box has no formatting rectangle, only margins.
    ::SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, BtnWidth() + 2));
  }
}

LRESULT TUDNumeralEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        Commit();
        return 0;
      }
      if (wParam == VK_UP || wParam == VK_DOWN) {
        if (FBtn->HandleAllocated()) ::SendMessageW(FBtn->Handle(), message, wParam, lParam);
        return 0;
      }
      break;
    case WM_KEYUP:
      if ((wParam == VK_UP || wParam == VK_DOWN) && FBtn->HandleAllocated())
        ::SendMessageW(FBtn->Handle(), message, wParam, lParam);
      break;
    case WM_CUT:
    case WM_PASTE:
      if (ReadOnly()) return 0;
      break;
    case WM_SIZE: {
      const LRESULT result = TCustomEdit::WndProc(message, wParam, lParam);
      SetEditRect();
      return result;
    }
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lParam));
    default:
      break;
  }
  return TCustomEdit::WndProc(message, wParam, lParam);
}

LRESULT TUDNumeralEdit::DialogCode(const MSG* message) const {
  // A one-line box, also when right alignment makes it a multi-line one: Tab and Esc belong
  // to the dialog, Enter commits.
  const LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) return code | DLGC_WANTMESSAGE;
  return code;
}

void TUDNumeralEdit::KeyPress(wchar_t& key) {
  const TKeyDecision decision = FilterKey(key, {FEditOptions, FKeyCheck, FSignPress, ReadOnly()});
  switch (decision.Verdict) {
    case TKeyVerdict::kvPass:
      TCustomEdit::KeyPress(key);
      return;
    case TKeyVerdict::kvSwallow:
      break;
    case TKeyVerdict::kvReplaceSelection:
      ReplaceSelection(decision.Text);
      SetModified(true);
      break;
    case TKeyVerdict::kvApplySign:
      SetText(SignedText(key, Text(), FEditOptions));
      SetModified(true);
      break;
  }
  key = 0;
}

void TUDNumeralEdit::SelectOnEnter() {
  if (AutoSelect())
    SelectAll();
  else
    SetSelection(0, 0);
}

void TUDNumeralEdit::DoExit() {
  TCustomEdit::DoExit();
  FBtn->SetUpPressed(false);
  FBtn->SetDownPressed(false);
  Commit();
}
