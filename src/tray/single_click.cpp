#include "tray/single_click.h"

#include <windows.h>

#include "tray/callback_window.h"
#include "tray/tray_icon.h"

namespace {
constexpr unsigned ExtraWaitMs = 50;
}

TSingleClick::TSingleClick(TTrayIcon& icon) : TComponent(nullptr), FIcon(&icon) {
  RequestRemovalNotice(icon);
}

void TSingleClick::Start(TTrayIcon& icon) {
  auto* worker = new TSingleClick(icon);
  worker->FreeOnTerminate = true;
  worker->OnTerminate = [](TThread& thread) {
    if (TCallbackWindow* window = TCallbackWindow::Instance())
      window->SingleClickElapsed(static_cast<TSingleClick&>(thread));
  };
  worker->TThread::Start();
}

void TSingleClick::ThreadBody() { ::Sleep(::GetDoubleClickTime() + ExtraWaitMs); }

void TSingleClick::RemovalNotice(TComponent& component) {
  if (&component == FIcon) FIcon = nullptr;
}
