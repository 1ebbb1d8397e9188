#pragma once
// Whether Windows starts the program when the user signs in: the value "Tamarind" of the
// current user's Run key, unless Task Manager switched it off. The registry is the only record,
// so what it holds is what is shown.
#include <string>

class TStartWithWindows {
public:
  // `executable` is the full path of the running program.
  explicit TStartWithWindows(std::wstring executable) : FExecutable(std::move(executable)) {}

  // True only when the value starts this very file and Task Manager lets it: a copy elsewhere,
  // or where this one was before it moved, does not count.
  bool Enabled() const;
  // On: the value names this file, and Task Manager's switch is on again. Off: the value goes,
  // when it names this file or a file that no longer exists; another copy's value is left
  // alone. Raises an error on failure.
  void SetEnabled(bool enabled);

private:
  std::wstring FExecutable;
};
