#pragma once
// TFileList: lists the entries of one folder that match its masks and attribute filter,
// sorted by display name, each with its time, size and attributes.
#include <cstdint>
#include <string>
#include <vector>

#include "folder/file_list_rules.h"
#include "framework/component.h"
#include "framework/directory_source.h"
#include "framework/form.h"

class TTimer;

// What is kept per listed entry. Time is the local last-write time, packed DOS form.
struct TInfo {
  std::uint32_t Time;
  std::uint32_t Size;  // low 32 bits
  std::uint32_t Attr;
};

struct TFileEntry {
  std::wstring Name;  // full path; a folder ends in its bracketed display name
  std::int32_t Size;
  double Time;  // days since 30 December 1899
  std::int32_t Attr;
};

class TFileList : public TComponent {
public:
  struct TLine {
    std::wstring Name;
    TInfo Info;
  };

  explicit TFileList(TComponent* owner);

  const std::wstring& Directory() const { return FDirectory; }
  void SetDirectory(const std::wstring& directory);

  TFileType FileType() const { return FFileType; }
  void SetFileType(TFileType type);

  const std::vector<std::wstring>& Mask() const { return FMask; }
  void SetMask(const std::vector<std::wstring>& lines);

  TDirectorySource* DirBox() const { return FDirBox; }
  void SetDirBox(TDirectorySource* dirBox);

  const std::vector<TLine>& List() const { return FList; }
  void GetInfo(size_t index, TFileEntry& entry) const;

  void Refresh();
  // Sets the directory, the types and the masks and lists once; each setter lists on its own.
  void Search(const std::wstring& directory, TFileType type, const std::vector<std::wstring>& mask);

  TNotifyEvent OnChange;
  TNotifyEvent OnDirChange;

protected:
  virtual void DoDirChange();
  virtual void DoChange();
  void LoadFinished() override;
  void RemovalNotice(TComponent& component) override;

private:
  void SearchMask(const std::wstring& mask, std::uint32_t attributeMask);
  void SortList();
  void StartFollowing();
  void FollowDirBox();

  std::wstring FDirectory;
  TFileType FFileType{TFileAttr::ftNormal};
  std::vector<TLine> FList;
  std::vector<std::wstring> FMask;
  TDirectorySource* FDirBox = nullptr;
  TTimer* FDirTimer = nullptr;
};
