#include "app/second_start.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/start_request.h"
#include "folder/menu_folder.h"
#include "framework/posted_answer.h"
#include "framework/system_paths.h"
#include "framework/win_handle.h"
#include "texts/texts.h"

namespace {

constexpr wchar_t InboxClass[] = L"TamarindStartRequests";
constexpr UINT WM_STARTREQUEST = WM_APP + 1;
// A menu that is open closes first: the request is tried again this often, this far apart.
constexpr int MaxAttempts = 40;
constexpr UINT_PTR RetryTimerId = 1;
constexpr UINT RetryMs = 50;
constexpr LRESULT HandOverAnswer = 0x546D7264;
// dwData of the WM_COPYDATA that carries a request.
constexpr ULONG_PTR StartRequestTag = 0x546D7201;

// The message by which the running copy says that it is Tamarind.
UINT HandOverMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Tamarind.HandOver");
  return message;
}

constexpr UINT AnswerTimeoutMs = 2000;
// A copy that is starting has its mutex before its window; one that is ending, the other way.
constexpr ULONGLONG WindowWaitMs = 2000;
constexpr DWORD WindowPollMs = 100;

// The main window of the copy that runs, or null.
HWND RunningCopyWindow() {
  for (HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, InboxClass, nullptr); window;
       window = ::FindWindowExW(HWND_MESSAGE, window, InboxClass, nullptr)) {
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutW(window, HandOverMessage(), 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &answer) &&
        static_cast<LRESULT>(answer) == HandOverAnswer)
      return window;
  }
  return nullptr;
}

HWND WaitForRunningCopy() {
  const ULONGLONG deadline = ::GetTickCount64() + WindowWaitMs;
  for (;;) {
    if (const HWND window = RunningCopyWindow()) return window;
    if (::GetTickCount64() >= deadline) return nullptr;
    ::Sleep(WindowPollMs);
  }
}

// The path of the program `process` runs; empty when it cannot be asked.
std::wstring ProgramOf(DWORD process) {
  const TKernelHandle handle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  if (!handle) return {};
  std::vector<wchar_t> path(MaxFolderArgument + 1);
  DWORD length = static_cast<DWORD>(path.size());
  if (!::QueryFullProcessImageNameW(handle.Get(), 0, path.data(), &length)) return {};
  return std::wstring(path.data(), length);
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

void Tell(const std::wstring& text) {
  ::MessageBoxW(nullptr, text.c_str(), L"Tamarind", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

}  // namespace

TStartRequests::TStartRequests(TRequestEvent onRequest) : FOnRequest(std::move(onRequest)) {
  TWindowParams params;
  params.ClassName = InboxClass;
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
  // A second start of a lower integrity level, or an elevated copy's, still reaches it.
  ::ChangeWindowMessageFilterEx(Handle(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
  ::ChangeWindowMessageFilterEx(Handle(), HandOverMessage(), MSGFLT_ALLOW, nullptr);
}

TStartRequests::~TStartRequests() { ::KillTimer(Handle(), RetryTimerId); }

void TStartRequests::Post(const std::wstring& folderArgument) {
  PostAnswer(Handle(), WM_STARTREQUEST, std::make_unique<std::wstring>(folderArgument));
}

void TStartRequests::Serve() {
  if (!FWaiting) return;
  if (FOnRequest(*FWaiting) || ++FAttempts >= MaxAttempts) {
    FWaiting.reset();
    ::KillTimer(Handle(), RetryTimerId);
  } else {
    ::SetTimer(Handle(), RetryTimerId, RetryMs, nullptr);
  }
}

LRESULT TStartRequests::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == HandOverMessage()) return HandOverAnswer;
  switch (message) {
    case WM_COPYDATA: {
      // Another program's bytes: read only as far as they say, and copied before answering.
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (!data || data->dwData != StartRequestTag || (data->cbData && !data->lpData)) return FALSE;
      const std::optional<std::wstring> argument =
          ReadFolderPayload({static_cast<const std::uint8_t*>(data->lpData), data->cbData});
      if (!argument) return FALSE;
      Post(*argument);
      return TRUE;
    }
    case WM_STARTREQUEST:
      FWaiting = std::move(*ReceivedAnswer<std::wstring>(lParam));  // the newest request wins
      FAttempts = 0;
      Serve();
      return 0;
    case WM_TIMER:
      if (wParam == RetryTimerId) Serve();
      return 0;
    default:
      return TWindow::WndProc(message, wParam, lParam);
  }
}

void HandOverToRunningCopy(const std::wstring& folderArgument) {
  const HWND window = WaitForRunningCopy();
  if (!window) {
    Tell(Text(TText::NotAnswering));
    return;
  }
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  const std::wstring running = ProgramOf(process);
  if (!running.empty() && !SameFolder(FolderOf(running), FolderOf(ExecutablePath()))) {
    Tell(Text(TText::RunningElsewhere, {FolderOf(running)}));
    return;
  }
  // The menu the running copy opens is the user's answer to this start: it may come to front.
  ::AllowSetForegroundWindow(process);
  std::vector<std::uint8_t> payload = FolderPayload(folderArgument);
  COPYDATASTRUCT data{StartRequestTag, static_cast<DWORD>(payload.size()), payload.data()};
  DWORD_PTR taken = 0;
  if (!::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                             AnswerTimeoutMs, &taken) ||
      !taken)
    Tell(Text(TText::NotAnswering));
}
