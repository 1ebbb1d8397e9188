#include "settings/picture_path.h"

#include "framework/code_page_932.h"

TStorablePath StorablePicturePath(const std::wstring& path, const TShortPathOf& shortPathOf) {
  const std::wstring misfits = Cp932Misfits(path);
  if (misfits.empty()) return {path, {}};
  const std::wstring shortPath = shortPathOf(path);
  if (!shortPath.empty() && Cp932Misfits(shortPath).empty()) return {shortPath, {}};
  return {{}, path + L": 名前の " + misfits + L" は設定ファイルに保存できず、短い名前 (8.3 形式) もありません。" +
                  L"画像をほかのフォルダに置いて選び直して下さい"};
}

bool IsUnreadableStoredPath(std::wstring_view path) { return path.find(L'?') != std::wstring_view::npos; }
