#pragma once
// A line of text in the label's font and colours, on one line and cut at the label's edge, or
// with AutoSize as large as its text. Ampersands are shown as they are.
#include "framework/caption_control.h"

class TLabel : public TCaptionControl {
public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  void SetCaption(const std::wstring& caption) override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void AdjustSize();

  bool FAutoSize = false;
};
