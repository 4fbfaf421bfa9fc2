// Screen fonts at a DPI: text fonts with their stand-ins, and the fitted dialog font.
#include "platform/win32/win32_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/win32/win32_common.h"

namespace platform::win32 {

namespace {

// The height of a font's em square in pixels at a DPI.
int EmPixels(float points, int dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

HFONT MakeFont(const FontDef& f, int em, int charset, BYTE pitchAndFamily, const char* face) {
    return CreateFontA(-em, 0, 0, 0, f.weight, f.italic, FALSE, FALSE, static_cast<BYTE>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

// What the system made of a font request: the face it chose and its metrics.
struct Made {
    char face[LF_FACESIZE] = "";
    TEXTMETRICA metrics{};
};

Made Inspect(HFONT font) {
    Made made;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextFaceA(dc, LF_FACESIZE, made.face);
    GetTextMetricsA(dc, &made.metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return made;
}

bool Scalable(const TEXTMETRICA& metrics) {
    return metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE);
}

// A bitmap face comes in a few sizes: the nearest is kept where it is close to the wanted one
// (Fixedsys at 96 and 120 DPI), but not where it would draw the text far too small.
bool NearSize(const TEXTMETRICA& metrics, int em) {
    const int got = metrics.tmHeight - metrics.tmInternalLeading;
    return std::abs(got - em) <= std::max(1, em / 8);
}

// Scalable faces that stand in for a face the system cannot draw at the wanted size, best
// first; where it has none of them, the system's choice of the pitch and family.
constexpr const char* kFixedStandIns[] = {"Consolas", "Lucida Console", "Courier New"};
constexpr const char* kVariableStandIns[] = {"Microsoft Sans Serif", "Tahoma", "Arial"};

HFONT StandIn(const FontDef& f, int em, bool fixedPitch, BYTE family) {
    const auto& names = fixedPitch ? kFixedStandIns : kVariableStandIns;
    for (int charset : {f.charset, static_cast<int>(DEFAULT_CHARSET)}) {
        for (const char* name : names) {
            HFONT font = MakeFont(f, em, charset, DEFAULT_PITCH | FF_DONTCARE, name);
            if (!font) continue;
            Made made = Inspect(font);
            if (lstrcmpiA(made.face, name) == 0 && Scalable(made.metrics)) return font;
            DeleteObject(font);
        }
    }
    const BYTE pitch = fixedPitch ? FIXED_PITCH : VARIABLE_PITCH;
    for (int charset : {f.charset, static_cast<int>(DEFAULT_CHARSET)}) {
        HFONT font = MakeFont(f, em, charset, pitch | family, "");
        if (!font) continue;
        if (Scalable(Inspect(font).metrics)) return font;
        DeleteObject(font);
    }
    return nullptr;
}

} // namespace

HFONT CreateScreenFont(const FontDef& f, int dpi) {
    const int em = EmPixels(f.points, dpi);
    // The named face in the wanted character set; a system without it there would give some
    // other face of the set, so next the named face in the system's own set.
    std::optional<BYTE> namedPitch;
    for (int charset : {f.charset, static_cast<int>(DEFAULT_CHARSET)}) {
        HFONT font = MakeFont(f, em, charset, DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
        if (!font) continue;
        Made made = Inspect(font);
        if (lstrcmpiA(made.face, f.name.c_str()) == 0) {
            if (Scalable(made.metrics) || NearSize(made.metrics, em)) return font;
            namedPitch = made.metrics.tmPitchAndFamily;
        }
        DeleteObject(font);
    }
    // The face is missing, or drawn far from the wanted size: a stand-in of its pitch. A face
    // the system lacks altogether is taken for a fixed-pitch one, as the text fields' are.
    // (TMPF_FIXED_PITCH set means a variable pitch.)
    const bool fixedPitch = !namedPitch || !(*namedPitch & TMPF_FIXED_PITCH);
    const BYTE family = namedPitch ? static_cast<BYTE>(*namedPitch & 0xF0) : FF_MODERN;
    if (HFONT font = StandIn(f, em, fixedPitch, family)) return font;
    return MakeFont(f, em, f.charset, DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
}

const std::string& DialogFace() {
    // Microsoft Sans Serif is the face the system's dialog font stands for; Tahoma, which
    // Wine gives for it, is the next narrowest. Both scale to any size.
    static const std::string face = [] {
        for (const char* name : {"Microsoft Sans Serif", "Tahoma"}) {
            HFONT font =
                MakeFont(FontDef{name, 8, FW_NORMAL, false, DEFAULT_CHARSET}, EmPixels(8, 96),
                         DEFAULT_CHARSET, DEFAULT_PITCH | FF_DONTCARE, name);
            if (!font) continue;
            Made made = Inspect(font);
            DeleteObject(font);
            if (lstrcmpiA(made.face, name) == 0 && Scalable(made.metrics)) return std::string(name);
        }
        return std::string("MS Shell Dlg");
    }();
    return face;
}

namespace {

// A caption that must show whole, and the room its control gives the text (pixels).
struct Caption {
    const std::string* text;
    int room;   // the width for the text
    int height; // the control's height
    bool wraps; // a label: its text breaks between words instead of running on
};

std::optional<Caption> CaptionOf(const ControlDef& def, int dpi) {
    if (def.caption.empty() || def.font) return std::nullopt;
    const int width = TwipsToPixels(def.width, dpi);
    const int height = TwipsToPixels(def.height, dpi);
    // The margins the system draws around the text, in pixels at 96 DPI.
    switch (def.kind) {
    case ControlKind::Label:
        return Caption{&def.caption, width, height, true};
    case ControlKind::Button: // its edges and the focus rectangle inside them
        return Caption{&def.caption, width - MulDiv(8, dpi, 96), height, false};
    case ControlKind::CheckBox: // the box and the gap after it
        return Caption{&def.caption, width - MulDiv(13 + 6, dpi, 96), height, false};
    default:
        return std::nullopt;
    }
}

bool Fits(HDC dc, const Caption& caption, int lineHeight) {
    RECT r{0, 0, std::max(1, caption.room), 0};
    const UINT format =
        DT_CALCRECT | (caption.wraps ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE);
    DrawTextA(dc, caption.text->c_str(), static_cast<int>(caption.text->size()), &r, format);
    return r.right <= caption.room && r.bottom <= lineHeight && lineHeight <= caption.height;
}

HFONT DialogFontOfHeight(int em) {
    static std::map<int, HFONT> made;
    HFONT& font = made[em];
    if (!font)
        font = MakeFont(FontDef{DialogFace(), 8, FW_NORMAL, false, DEFAULT_CHARSET}, em,
                        DEFAULT_CHARSET, DEFAULT_PITCH | FF_DONTCARE, DialogFace().c_str());
    return font;
}

} // namespace

HFONT DialogFont(std::span<const ControlDef> controls, int dpi) {
    std::vector<Caption> captions;
    for (const ControlDef& def : controls)
        if (auto caption = CaptionOf(def, dpi)) captions.push_back(*caption);
    const int full = EmPixels(8, dpi);
    if (captions.empty()) return DialogFontOfHeight(full);
    // Down to three quarters of the size: below that the text would be harder to read than
    // a caption cut at its end.
    const int smallest = std::max(1, full * 3 / 4);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = nullptr;
    HFONT chosen = nullptr;
    for (int em = full; em >= smallest && !chosen; --em) {
        HFONT font = DialogFontOfHeight(em);
        HGDIOBJ previous = SelectObject(dc, font);
        if (!old) old = previous;
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        if (std::all_of(captions.begin(), captions.end(), [&](const Caption& caption) {
                return Fits(dc, caption, metrics.tmHeight);
            }))
            chosen = font;
        if (em == smallest && !chosen) chosen = font;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return chosen;
}

} // namespace platform::win32
