#pragma once
// The program's own message box: a title, a text of any length, the program's icon and the
// buttons OK and キャンセル or はい and いいえ.
#include <windows.h>

#include "dialogs/dialog_host_win.h"
#include "dialogs/message_request.h"

namespace quillory {

// Modal; centred on `owner`. IDOK, IDCANCEL, IDYES or IDNO; Esc and the close box give IDCANCEL,
// which callers treat as "no".
int showMessageDialog(HWND owner, const MessageRequest& request, const DialogHost& host);

}  // namespace quillory
