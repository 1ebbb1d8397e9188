#include "settings/picture_path.h"

#include "framework/code_page_932.h"
#include "texts/texts.h"

TStorablePath StorablePicturePath(const std::wstring& path, const TShortPathOf& shortPathOf) {
  const std::wstring misfits = Cp932Misfits(path);
  if (misfits.empty()) return {path, {}};
  const std::wstring shortPath = shortPathOf(path);
  if (!shortPath.empty() && Cp932Misfits(shortPath).empty()) return {shortPath, {}};
  return {{}, Text(TText::PictureNotStorable, {path, misfits})};
}

bool IsUnreadableStoredPath(std::wstring_view path) { return path.find(L'?') != std::wstring_view::npos; }
