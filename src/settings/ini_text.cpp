#include "settings/ini_text.h"

#include <vector>

#include "framework/code_page_932.h"

namespace {

// A stray carriage return is trimmed like a blank.
constexpr std::wstring_view Blanks = L" \t\r";
constexpr std::string_view NewLine = "\r\n";

enum class TLineKind { lkOther, lkSection, lkKey };

struct TLine {
  std::size_t Begin;  // first byte
  std::size_t End;    // end of the content, before the line break
  std::size_t Next;   // first byte after the line break
  TLineKind Kind;
  bool Blank;
  std::wstring Name;   // of the section or key, trimmed
  std::wstring Value;  // of a key, trimmed
};

std::wstring_view Trim(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

void Classify(TLine& line, std::wstring_view content) {
  const std::wstring_view text = Trim(content);
  line.Blank = text.empty();
  if (!text.empty() && text.front() == L'[') {
    // Up to the last "]", or to the end of a header that lacks one.
    const std::size_t close = text.rfind(L']');
    line.Kind = TLineKind::lkSection;
    line.Name = Trim(text.substr(1, close == std::wstring_view::npos ? close : close - 1));
    return;
  }
  const std::size_t equals = text.find(L'=');
  if (equals == std::wstring_view::npos) return;
  line.Kind = TLineKind::lkKey;
  line.Name = Trim(text.substr(0, equals));
  line.Value = Trim(text.substr(equals + 1));
}

// Line breaks are "\n" or "\r\n"; neither byte occurs inside a double-byte character.
std::vector<TLine> SplitLines(std::string_view bytes) {
  std::vector<TLine> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    const std::size_t newline = bytes.find('\n', begin);
    const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
    TLine line{begin, end, newline == std::string_view::npos ? end : newline + 1, TLineKind::lkOther, true, {}, {}};
    if (line.End > line.Begin && bytes[line.End - 1] == '\r') --line.End;
    Classify(line, FromCp932(bytes.substr(line.Begin, line.End - line.Begin)));
    lines.push_back(std::move(line));
    begin = lines.back().Next;
  }
  return lines;
}

// The first line of `key` in any section named `section`, in file order.
const TLine* FindKey(const std::vector<TLine>& lines, std::wstring_view section, std::wstring_view key) {
  bool inSection = false;
  for (const TLine& line : lines) {
    if (line.Kind == TLineKind::lkSection)
      inSection = SameName(line.Name, section);
    else if (inSection && line.Kind == TLineKind::lkKey && SameName(line.Name, key))
      return &line;
  }
  return nullptr;
}

// The header or last key line of the first section named `section`.
const TLine* LastLineOfSection(const std::vector<TLine>& lines, std::wstring_view section) {
  const TLine* last = nullptr;
  for (const TLine& line : lines) {
    if (line.Kind == TLineKind::lkSection) {
      if (last) break;
      if (SameName(line.Name, section)) last = &line;
    } else if (last && line.Kind == TLineKind::lkKey) {
      last = &line;
    }
  }
  return last;
}

std::wstring UnquotedValue(std::wstring_view value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  // Every character takes at least one byte: no more than MaxValueBytes characters can fit.
  const std::wstring_view head = value.substr(0, TIniText::MaxValueBytes);
  if (Cp932Length(head) <= TIniText::MaxValueBytes) return std::wstring(head);
  return TruncateToCp932Bytes(head, TIniText::MaxValueBytes);
}

std::string OneLineCp932(std::wstring_view text) {
  std::string bytes = ToCp932(text);
  for (char& byte : bytes)
    if (byte == '\r' || byte == '\n') byte = ' ';
  return bytes;
}

}  // namespace

TIniText::TIniText(std::string bytes) : FBytes(std::move(bytes)) {}

std::optional<std::wstring> TIniText::Value(std::wstring_view section, std::wstring_view key) const {
  const std::vector<TLine> lines = SplitLines(FBytes);
  const TLine* line = FindKey(lines, section, key);
  if (!line) return std::nullopt;
  return UnquotedValue(line->Value);
}

void TIniText::SetValue(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::string keyLine = OneLineCp932(key).append("=").append(OneLineCp932(value));
  const std::vector<TLine> lines = SplitLines(FBytes);
  if (const TLine* line = FindKey(lines, section, key)) {
    FBytes.replace(line->Begin, line->End - line->Begin, keyLine);  // its line break stays
    return;
  }
  if (const TLine* last = LastLineOfSection(lines, section)) {
    // A last line without a line break is ended first.
    const bool ended = FBytes[last->Next - 1] == '\n';
    FBytes.insert(last->Next, (ended ? std::string() : std::string(NewLine)).append(keyLine).append(NewLine));
    return;
  }
  if (!FBytes.empty() && FBytes.back() != '\n') FBytes += NewLine;
  // A blank line between sections, unless the text already ends with one.
  if (!lines.empty() && !lines.back().Blank) FBytes += NewLine;
  FBytes.append("[").append(OneLineCp932(section)).append("]").append(NewLine).append(keyLine).append(NewLine);
}
