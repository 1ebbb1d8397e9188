#pragma once
// A small set of enumeration values, stored as bits by ordinal (value n is bit 1 << n).
#include <cstdint>
#include <initializer_list>

template <typename Enum>
class TEnumSet {
public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<Enum> values) {
    for (Enum value : values) Include(value);
  }
  static constexpr TEnumSet FromBits(std::uint32_t bits) {
    TEnumSet set;
    set.FBits = bits;
    return set;
  }

  constexpr bool Contains(Enum value) const { return (FBits & Bit(value)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint32_t Bits() const { return FBits; }
  constexpr TEnumSet& Include(Enum value) {
    FBits |= Bit(value);
    return *this;
  }
  constexpr TEnumSet& Exclude(Enum value) {
    FBits &= ~Bit(value);
    return *this;
  }
  constexpr bool operator==(const TEnumSet&) const = default;

private:
  static constexpr std::uint32_t Bit(Enum value) { return std::uint32_t{1} << static_cast<unsigned>(value); }
  std::uint32_t FBits = 0;
};
