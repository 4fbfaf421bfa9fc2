// GetOpenFileNameA and GetSaveFileNameA, owned by the frame, with Cancel as error 32755.
#include "platform/win32/win32_common_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"

namespace platform::win32 {

std::string SystemFilter(std::string_view filter) {
    std::string result(filter);
    for (char& c : result)
        if (c == '|') c = '\0';
    result.append(2, '\0');
    return result;
}

void Win32CommonDialog::Show(bool save) {
    std::string systemFilter = SystemFilter(filter);
    // Room for long paths: the ANSI dialog can return more than MAX_PATH characters.
    char file[4096] = "";
    char title[1024] = "";
    std::string proposed = TextUpToNul(fileName);
    for (int attempt = 0; attempt < 2; ++attempt) {
        proposed.copy(file, sizeof file - 1);
        file[std::min(proposed.size(), sizeof file - 1)] = '\0';
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        Win32MdiFrame* frame = Win32MdiFrame::Current();
        ofn.hwndOwner = frame ? frame->Hwnd() : nullptr;
        ofn.lpstrFilter = filter.empty() ? nullptr : systemFilter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        ofn.lpstrTitle = dialogTitle.empty() ? nullptr : dialogTitle.c_str();
        ofn.Flags = static_cast<DWORD>(flags) | OFN_EXPLORER;
        BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
        if (chosen) {
            fileName = file;
            fileTitle = title;
            filterIndex = static_cast<int>(ofn.nFilterIndex);
            return;
        }
        DWORD error = CommDlgExtendedError();
        if (error == 0) throw RuntimeError(err::DialogCancelled);
        // A proposed name the dialog cannot take (a caption with a colon, say): ask afresh.
        if (error == FNERR_INVALIDFILENAME && !proposed.empty()) {
            proposed.clear();
            continue;
        }
        break;
    }
    throw RuntimeError(err::PathFileAccess);
}

} // namespace platform::win32
