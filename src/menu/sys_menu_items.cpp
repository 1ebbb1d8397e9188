#include "menu/sys_menu_items.h"

TSysMenuEntry SysMenuEntry(unsigned command) {
  switch (command) {
    case scSize: return {L"サイズ変更(&S)", sgNone, {}};
    case scMove: return {L"移動(&M)", sgNone, {}};
    case scMinimize: return {L"最小化(&N)", sgMinimize, {}};
    case scMaximize: return {L"最大化(&X)", sgMaximize, {}};
    case scClose: return {L"閉じる(&C)", sgClose, L"Alt+F4"};
    case scRestore: return {L"元のサイズに戻す(&R)", sgRestore, {}};
  }
  return {};
}
