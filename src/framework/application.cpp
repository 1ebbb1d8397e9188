#include "framework/application.h"

#include <algorithm>

#include "framework/exception.h"
#include "framework/form.h"
#include "framework/utf8.h"
#include "texts/texts.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() = default;

HWND TApplication::Handle() {
  if (!HandleAllocated()) {
    TWindowParams params;
    params.ClassName = L"TApplication";
    params.Caption = FTitle;
    params.Style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    CreateHandle(params);
  }
  return TWindow::Handle();
}

void TApplication::SetTitle(std::wstring title) {
  FTitle = std::move(title);
  if (HandleAllocated()) ::SetWindowTextW(TWindow::Handle(), FTitle.c_str());
}

void TApplication::FormCreated(TForm& form) {
  if (!FMainForm) FMainForm = &form;
  form.DoCreate();
}

TForm* TApplication::ActiveForm() const { return TForm::FromHandle(::GetActiveWindow()); }

void TApplication::RemovalNotice(TComponent& component) {
  if (&component == FMainForm) FMainForm = nullptr;
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Closing the application (a task manager's "end task") closes the main form, which ends
  // the loop in order; the default would destroy the window under the forms it owns.
  if (message == WM_CLOSE) {
    if (FMainForm)
      FMainForm->Close();
    else
      Terminate();
    return 0;
  }
  return TWindow::WndProc(message, wParam, lParam);
}

void TApplication::Run() {
  while (!FTerminated) HandleMessage();
  // Forms go while the loop's world still exists: their destruction handlers may need it.
  while (!Components().empty()) {
    TComponentDeleter{}(Components().back());
  }
}

void TApplication::Terminate() {
  if (!FTerminated) ::PostQuitMessage(0);
}

void TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    FTerminated = true;
    return;
  }
  ProcessMessage(msg);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  // A filter may remove itself (or another) while it runs.
  const std::vector<TMessageFilter*> filters(FMessageFilters.rbegin(), FMessageFilters.rend());
  for (TMessageFilter* filter : filters) {
    if (std::find(FMessageFilters.begin(), FMessageFilters.end(), filter) == FMessageFilters.end()) continue;
    if (filter->PreTranslateMessage(msg)) return true;
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!ProcessMessage(msg)) break;
  }
}

void TApplication::AddMessageFilter(TMessageFilter& filter) { FMessageFilters.push_back(&filter); }

void TApplication::RemoveMessageFilter(TMessageFilter& filter) {
  FMessageFilters.erase(std::remove(FMessageFilters.begin(), FMessageFilters.end(), &filter), FMessageFilters.end());
}

void TApplication::SetCursor(TCursor cursor) {
  FCursor = cursor;
  ::SetCursor(CursorImage(cursor));
}

THourGlassCursor::THourGlassCursor() { Application().SetCursor(crHourGlass); }

THourGlassCursor::~THourGlassCursor() { Application().SetCursor(crDefault); }

void TApplication::HandleException() noexcept {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception(Text(TText::UnknownError)));
  }
}

void TApplication::ShowException(const std::exception& error) {
  const auto* own = dynamic_cast<const Exception*>(&error);
  const std::wstring message = own ? own->Message() : FromUtf8(error.what());
  if (OnException) {
    OnException(message);
    return;
  }
  ::MessageBoxW(HandleAllocated() ? TWindow::Handle() : nullptr, message.c_str(), FTitle.c_str(),
                MB_OK | MB_ICONERROR);
}
