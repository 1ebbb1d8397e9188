#pragma once
// The four settings that shape the launcher menu's structure rather than its look. The menu
// builder reads them through their one holder, each at its point of use in every fill pass, so
// a change made meanwhile takes effect at once. The settings dialog is the holder in the
// finished program; TMenuBuildValues stands in for it until then.
#include <cstdint>

class TMenuBuildSettings {
public:
  static constexpr std::int32_t MinColumnLength = 2;
  static constexpr std::int32_t MaxColumnLength = 100;
  static constexpr std::int32_t DefaultColumnLength = 20;

  virtual ~TMenuBuildSettings() = default;

  // File items carry their icons ("Icon"/"Show", default on).
  virtual bool ShowIcons() const = 0;
  // Long menus are split into columns of ColumnLength items ("Menu"/"Split", default on).
  virtual bool SplitColumns() const = 0;
  // Items per column, always within MinColumnLength to MaxColumnLength ("Menu"/"VertNum").
  virtual std::int32_t ColumnLength() const = 0;
  // A vertical bar separates the columns ("Menu"/"Vert", default on).
  virtual bool VerticalBars() const = 0;
};

// Brings any column length, typed or stored, into the range the builder relies on.
std::int32_t BoundColumnLength(std::int32_t value);

// The four settings as plain values, starting from their defaults.
class TMenuBuildValues final : public TMenuBuildSettings {
public:
  bool ShowIcons() const override { return FShowIcons; }
  bool SplitColumns() const override { return FSplitColumns; }
  std::int32_t ColumnLength() const override { return FColumnLength; }
  bool VerticalBars() const override { return FVerticalBars; }

  void SetShowIcons(bool value) { FShowIcons = value; }
  void SetSplitColumns(bool value) { FSplitColumns = value; }
  void SetColumnLength(std::int32_t value) { FColumnLength = BoundColumnLength(value); }
  void SetVerticalBars(bool value) { FVerticalBars = value; }

private:
  bool FShowIcons = true;
  bool FSplitColumns = true;
  std::int32_t FColumnLength = DefaultColumnLength;
  bool FVerticalBars = true;
};
