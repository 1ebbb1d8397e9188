// File icons of the launcher menu: shared by extension through a fixed cache of 1000 keys;
// files that carry their own picture keep one image each, reused while the file is unchanged.
#include <algorithm>
#include <string>

#include "app/win_main.h"
#include "framework/dpi.h"
#include "framework/image_list.h"
#include "tray/tray_icon.h"

int TWinMain::IconIndexOf(const std::wstring& Path) {
  ++IconLookups;
  const TIconKey key = IconKeyOf(Path);
  const bool ownIcon = HasOwnIcon(key);
  if (!ownIcon) {
    if (const int cached = FindIconKey(key); cached >= 0) {
      ++IconHits;
      return cached;
    }
  }
  const bool shared = !ownIcon && !IsShortcutKey(key) && FIconCacheCount < IconCacheCapacity;
  if (!shared) return FileImageIndex(Path, ownIcon);
  const TIconHandle icon = ShellSmallIcon(Path, FImageList->Width());
  if (!icon) return -1;
  const int index = FImageList->AddIcon(icon.Get());
  AddIconKey(key, index);
  return index;
}

void TWinMain::FitIconsToDpi(int dpi) {
  const int size = SmallIconSize(dpi);
  // Items of a build that must wait would keep indices into the emptied list: the next menu
  // fits the size instead.
  if (size == FImageList->Width() || RebuildMustWait()) return;
  // Icons fetched for another size would be drawn too small, or stretched: fetch them afresh.
  FImageList->SetSize(size, size);
  FIconCacheCount = 0;
  FFileImages.clear();
  RebuildMenu();
}

void TWinMain::ShowIconCounters() {
  // After the name, so that the tip still says which program the icon belongs to.
  FTrayIcon1->SetTipHelp(std::wstring(ProgramName) + L" (" + std::to_wstring(IconHits) + L"/" +
                         std::to_wstring(IconLookups) + L")");
}

int TWinMain::FileImageIndex(const std::wstring& path, bool ownIcon) {
  const TFileStamp stamp = FileStampOf(path);
  const auto known = FFileImages.find(path);
  if (known != FFileImages.end() && known->second.Stamp == stamp) return known->second.ImageIndex;
  TIconHandle icon = ownIcon ? ExtractFirstIcon(path) : ShellSmallIcon(path, FImageList->Width());
  if (!icon && ownIcon) icon = ShellSmallIcon(path, FImageList->Width());  // a program without icons of its own
  if (!icon) return -1;
  if (known != FFileImages.end()) {
    // The file changed: its new picture takes the old one's place.
    FImageList->ReplaceIcon(known->second.ImageIndex, icon.Get());
    known->second.Stamp = stamp;
    return known->second.ImageIndex;
  }
  const int index = FImageList->AddIcon(icon.Get());
  FFileImages.emplace(path, TFileImage{stamp, index});
  return index;
}

int TWinMain::FindIconKey(const TIconKey& Key) const {
  const auto end = FIconCache.begin() + FIconCacheCount;
  const auto found = std::find_if(FIconCache.begin(), end, [&](const TIconCacheEntry& entry) { return entry.Key == Key; });
  return found == end ? -1 : found->ImageIndex;
}

void TWinMain::AddIconKey(const TIconKey& Key, int ImageIndex) {
  if (FIconCacheCount >= IconCacheCapacity) return;
  FIconCache[static_cast<size_t>(FIconCacheCount++)] = {Key, ImageIndex};
}
