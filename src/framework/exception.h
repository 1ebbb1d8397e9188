#pragma once
// The one base of every failure the program raises: it carries a message for the error box.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::wstring message);

  const std::wstring& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FNarrow.c_str(); }

private:
  std::wstring FMessage;
  std::string FNarrow;  // UTF-8 copy, for what() and test output
};
