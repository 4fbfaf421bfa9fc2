// StatusBar: the common controls' status bar docked at the bottom, with panels sized to their
// text or springing to the free width, and date, time and key-state panels that keep
// themselves current on a timer.
#include "platform/win32/win32_common.h"

#include <algorithm>

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_tooltips.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 250;

bool IsKeyPanel(PanelStyle style) {
    return style == PanelStyle::Insert || style == PanelStyle::Caps || style == PanelStyle::Num ||
           style == PanelStyle::Scroll;
}

bool IsAutomatic(PanelStyle style) {
    return style != PanelStyle::Text;
}

int VirtualKey(PanelStyle style) {
    switch (style) {
    case PanelStyle::Insert:
        return VK_INSERT;
    case PanelStyle::Caps:
        return VK_CAPITAL;
    case PanelStyle::Num:
        return VK_NUMLOCK;
    default:
        return VK_SCROLL;
    }
}

const char* KeyText(PanelStyle style) {
    switch (style) {
    case PanelStyle::Insert:
        return "INS";
    case PanelStyle::Caps:
        return "CAPS";
    case PanelStyle::Num:
        return "NUM";
    default:
        return "SCRL";
    }
}

std::string Today() {
    char text[80] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return text;
}

std::string Now() {
    char text[80] = "";
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, sizeof text);
    return text;
}

} // namespace

Win32StatusBar::Win32StatusBar(Win32FormCore& form, int id) : Win32Control(form, id) {}

Win32StatusBar::~Win32StatusBar() {
    if (hwnd_ && timer_) KillTimer(hwnd_, timer_);
}

void Win32StatusBar::Create(HWND parent, const ControlDef& def, HFONT font) {
    bool automatic = false;
    for (const auto& def_panel : def.panels) {
        Panel panel;
        panel.def = def_panel;
        panel.text = def_panel.text;
        panel.ownerDrawn = IsKeyPanel(def_panel.style);
        if (panel.ownerDrawn) panel.text = KeyText(def_panel.style);
        automatic = automatic || IsAutomatic(def_panel.style);
        panels_.push_back(std::move(panel));
    }
    DWORD style =
        CCS_BOTTOM | (GetWindowLongPtrA(parent, GWL_STYLE) & WS_THICKFRAME ? SBARS_SIZEGRIP : 0);
    if (!CreateChildWindow(parent, STATUSCLASSNAMEA, def, style, 0, font)) return;
    // The tooltip window comes with the first mouse move over the bar: start-up need not pay
    // for it.
    // Texts go to existing parts only: lay out first.
    Refresh();
    LayoutPanels();
    for (int i = 0; i < PanelCount(); ++i)
        ShowPanel(i);
    if (automatic) timer_ = SetTimer(hwnd_, kRefreshTimer, kRefreshMilliseconds, nullptr);
}

bool Win32StatusBar::Refresh() const {
    bool changed = false;
    for (int i = 0; i < PanelCount(); ++i) {
        Panel& panel = panels_[i];
        std::string text = panel.text;
        bool enabled = panel.enabled;
        if (panel.def.style == PanelStyle::Date) text = Today();
        if (panel.def.style == PanelStyle::Time) text = Now();
        if (panel.ownerDrawn) enabled = GetKeyState(VirtualKey(panel.def.style)) & 1;
        if (text == panel.text && enabled == panel.enabled) continue;
        panel.text = text;
        panel.enabled = enabled;
        ShowPanel(i);
        changed = true;
    }
    return changed;
}

void Win32StatusBar::ShowPanel(int index) const {
    if (!hwnd_) return;
    const Panel& panel = panels_[index];
    WPARAM type = index | (panel.def.bevel == PanelBevel::Raised ? SBT_POPOUT : 0);
    if (panel.ownerDrawn) {
        HoldPaint hold(*this);
        SendMessageA(hwnd_, SB_SETTEXTA, type | SBT_OWNERDRAW, index);
        RECT r;
        if (SendMessageA(hwnd_, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r)))
            InvalidateRect(hwnd_, &r, TRUE);
        return;
    }
    // A leading tab centres a status bar text.
    std::string shown = (panel.def.align == PanelAlign::Center ? "\t" : "") + panel.text;
    HoldPaint hold(*this);
    SendMessageA(hwnd_, SB_SETTEXTA, type, reinterpret_cast<LPARAM>(shown.c_str()));
}

// Measures panel texts in the bar's font, with one device context for all of them.
class Win32StatusBar::TextMeasure {
  public:
    explicit TextMeasure(HWND bar) : bar_(bar) {}
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;
    ~TextMeasure() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        ReleaseDC(bar_, dc_);
    }
    int Width(const std::string& text) {
        if (!dc_) {
            dc_ = GetDC(bar_);
            auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(bar_, WM_GETFONT, 0, 0));
            old_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        }
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

  private:
    HWND bar_;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

void Win32StatusBar::LayoutPanels() const {
    if (!hwnd_ || panels_.empty()) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    int borders[3] = {0, 0, 0};
    SendMessageA(hwnd_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int padding = 2 * borders[0] + borders[2] + 10;

    std::vector<int> widths(panels_.size());
    int used = 0, springs = 0;
    TextMeasure measure(hwnd_);
    for (size_t i = 0; i < panels_.size(); ++i) {
        Panel& panel = panels_[i];
        int width = TwipsToPixelsX(panel.def.minWidth);
        if (panel.def.size == PanelSize::Contents) {
            if (panel.measuredWidth < 0 || panel.measured != panel.text) {
                panel.measuredWidth = measure.Width(panel.text);
                panel.measured = panel.text;
            }
            width = std::max(width, panel.measuredWidth + padding);
        }
        if (panel.def.size == PanelSize::Spring) ++springs;
        widths[i] = width;
        used += width;
    }
    int grip =
        (GetWindowLongPtrA(hwnd_, GWL_STYLE) & SBARS_SIZEGRIP) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    int free = std::max(0, static_cast<int>(client.right) - grip - used);
    for (size_t i = 0; i < panels_.size() && springs > 0; ++i) {
        if (panels_[i].def.size != PanelSize::Spring) continue;
        int share = free / springs;
        widths[i] += share;
        free -= share;
        --springs;
    }
    std::vector<int> edges(panels_.size());
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i)
        edges[i] = right += widths[i];
    // Every caret move rewrites three panels: only a change of the parts repaints the bar.
    if (edges == edges_) return;
    edges_ = edges;
    HoldPaint hold(*this);
    SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    UpdateTipAreas();
}

void Win32StatusBar::UpdateTipAreas() const {
    for (size_t i = 0; i < panels_.size() && tips_; ++i) {
        RECT r{};
        SendMessageA(hwnd_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
        tips_->SetArea(hwnd_, static_cast<UINT>(i + 1), r, panels_[i].def.tooltip);
    }
}

void Win32StatusBar::OnParentSize() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    LayoutPanels();
}

bool Win32StatusBar::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_PAINT && holdPaint_) {
        // Painted with the window's next paint, together with every other change made now.
        result = 0;
        return true;
    }
    if (msg == WM_TIMER && wParam == kRefreshTimer) {
        if (Refresh()) LayoutPanels();
        result = 0;
        return true;
    }
    if (msg == WM_SETFONT)
        for (Panel& panel : panels_)
            panel.measuredWidth = -1; // measured in the old font
    if (msg == WM_MOUSEMOVE && !tips_) {
        tips_ = std::make_unique<Win32Tooltips>(GetParent(hwnd_));
        UpdateTipAreas();
    }
    if (msg == WM_DESTROY && timer_) {
        KillTimer(hwnd_, timer_);
        timer_ = 0;
    }
    return false;
}

void Win32StatusBar::OnDestroyed() {
    Win32ControlCore::OnDestroyed();
    timer_ = 0;
}

bool Win32StatusBar::OnDrawItem(const DRAWITEMSTRUCT& item) {
    int index = static_cast<int>(item.itemData);
    if (index < 0 || index >= PanelCount()) return false;
    const Panel& panel = panels_[index];
    HDC dc = item.hDC;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(panel.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT r = item.rcItem;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    format |= panel.def.align == PanelAlign::Center ? DT_CENTER : DT_LEFT;
    DrawTextA(dc, panel.text.c_str(), static_cast<int>(panel.text.size()), &r, format);
    SelectObject(dc, old);
    return true;
}

std::string Win32StatusBar::PanelText(int panel) const {
    if (!Valid(panel)) return {};
    Refresh();
    return panels_[panel - 1].text;
}

void Win32StatusBar::SetPanelText(int panel, std::string_view text) {
    // Date, time and key panels show what the system says, not the program.
    if (!Valid(panel) || IsAutomatic(panels_[panel - 1].def.style)) return;
    panels_[panel - 1].text = TextUpToNul(text);
    ShowPanel(panel - 1);
    if (panels_[panel - 1].def.size == PanelSize::Contents) LayoutPanels();
}

std::string Win32StatusBar::PanelTooltip(int panel) const {
    return Valid(panel) ? panels_[panel - 1].def.tooltip : std::string();
}

void Win32StatusBar::SetPanelTooltip(int panel, std::string_view text) {
    if (!Valid(panel)) return;
    panels_[panel - 1].def.tooltip = TextUpToNul(text);
    UpdateTipAreas();
}

bool Win32StatusBar::PanelEnabled(int panel) const {
    if (!Valid(panel)) return false;
    Refresh();
    return panels_[panel - 1].enabled;
}

} // namespace platform::win32
