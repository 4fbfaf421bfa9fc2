// The input box, built from a dialog template in memory: no resource file to keep in step.
#include "platform/win32/win32_input_box.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/win32/win32_common.h"

namespace platform::win32 {

namespace {

// A dialog template in memory: the header, then one item after another, each DWORD-aligned.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short cx, short cy, const char* font, WORD points) {
        DLGTEMPLATE header{};
        header.style = style;
        header.cx = cx;
        header.cy = cy;
        Append(&header, sizeof header);
        countAt_ = offsetof(DLGTEMPLATE, cdit);
        Word(0); // no menu
        Word(0); // the standard dialog class
        Word(0); // caption: set by the dialog itself
        Word(points);
        Text(font);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x, item.y = y, item.cx = cx, item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(atom); // a predefined class: 0x80 button, 0x81 edit, 0x82 static
        Word(0);    // no text: WM_INITDIALOG sets it
        Word(0);    // no creation data
        WORD count;
        std::memcpy(&count, bytes_.data() + countAt_, sizeof count);
        ++count;
        std::memcpy(bytes_.data() + countAt_, &count, sizeof count);
    }
    const DLGTEMPLATE* Get() { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

  private:
    void Append(const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Word(WORD w) { Append(&w, sizeof w); }
    void Text(const char* text) {
        while (*text)
            Word(static_cast<WORD>(static_cast<unsigned char>(*text++)));
        Word(0);
    }
    void Align() {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    std::vector<unsigned char> bytes_;
    size_t countAt_ = 0;
};

struct InputBoxState {
    std::string prompt, title, text;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetWindowTextA(dialog, state->title.c_str());
        SetDlgItemTextA(dialog, kInputBoxPrompt, state->prompt.c_str());
        SetDlgItemTextA(dialog, IDOK, "OK");
        SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
        HWND entry = GetDlgItem(dialog, kInputBoxEntry);
        SetWindowTextA(entry, state->text.c_str());
        SendMessageA(entry, EM_SETSEL, 0, -1);
        SetFocus(entry);
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            state->text = WindowText(GetDlgItem(dialog, kInputBoxEntry));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            state->text.clear();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

std::string ShowInputBox(HWND owner, std::string_view prompt, std::string_view title,
                         std::string_view defaultText) {
    // Sizes in dialog units, as the classic input box: the prompt on the left with the buttons
    // beside it, the entry field across the bottom.
    DialogTemplate tmpl(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        280, 100, "MS Shell Dlg", 8);
    tmpl.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 200, 60, kInputBoxPrompt, 0x82);
    tmpl.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 217, 7, 56, 14, IDOK, 0x80);
    tmpl.Item(BS_PUSHBUTTON | WS_TABSTOP, 217, 25, 56, 14, IDCANCEL, 0x80);
    tmpl.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 79, 266, 13, kInputBoxEntry, 0x81);
    InputBoxState state{TextUpToNul(prompt), TextUpToNul(title), TextUpToNul(defaultText)};
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl.Get(), owner,
                                             InputBoxProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.text : std::string();
}

} // namespace platform::win32
