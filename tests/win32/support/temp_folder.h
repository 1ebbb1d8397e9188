#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <string>

class TTempFolder {
public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::wstring& Path() const { return FPath; }
  std::wstring operator/(const std::wstring& name) const { return FPath + L"\\" + name; }

  // Creates a file (with its folders) holding `content`; returns its full path.
  std::wstring WriteFile(const std::wstring& relativePath, const std::string& content = "x") const;
  std::wstring MakeFolder(const std::wstring& relativePath) const;

private:
  std::wstring FPath;
};

// Deletes a folder with everything in it, read-only files included.
void RemoveTree(const std::wstring& path);
