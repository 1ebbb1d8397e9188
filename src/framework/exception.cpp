#include "framework/exception.h"

#include "framework/utf8.h"

Exception::Exception(std::wstring message) : FMessage(std::move(message)), FNarrow(ToUtf8(FMessage)) {}
