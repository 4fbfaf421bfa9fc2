// The document status bar's caret, path and size panels.
#include "files/status_bar.h"

#include "core/program.h"
#include "core/text_helpers.h"
#include "files/file_texts.h"
#include "platform/messages.h"

namespace files {

void ShowCaretPosition(core::Program& app) {
    namespace msg = platform::msg;
    core::Document* doc = app.ActiveDocument();
    if (!doc) return;
    platform::TextBox& text1 = doc->Text1();
    platform::StatusBar& bar = doc->StatusBar1();
    const int caret = text1.SelStart();

    auto line = text1.SendMessage(msg::EM_LINEFROMCHAR, caret) + 1;
    auto lines = text1.SendMessage(msg::EM_GETLINECOUNT, 0);
    bar.SetPanelText(panel::Line, text::LinePanel(line, lines));

    // The text after the last line break before the caret, with the break's line feed in
    // front: its length is the 1-based column.
    std::string text = text1.Text();
    std::string head = "\r\n" + text.substr(0, std::min<size_t>(caret, text.size()));
    size_t column = core::TextAfterLast(head, "\r\n").size();
    auto length = text1.SendMessage(msg::EM_LINELENGTH, caret);
    bar.SetPanelText(panel::Column, text::ColumnPanel(static_cast<long long>(column), length));

    bar.SetPanelText(panel::Position, text::PositionPanel(caret));
}

void ShowFileInfo(core::Program& app, core::Document& doc, std::string_view path,
                  std::string_view title) {
    doc.form().SetCaption(title);
    platform::StatusBar& bar = doc.StatusBar1();
    bar.SetPanelText(panel::Path, path);
    bar.SetPanelTooltip(panel::Path, path);
    std::int64_t size = app.platform.Files().FileLength(path);
    bar.SetPanelText(panel::Size, text::SizePanel(size));
    platform::NumberFormat format = app.platform.Numbers();
    bar.SetPanelTooltip(panel::Size, FormatKilobytes(size, format.decimal, format.thousands));
}

std::string FormatKilobytes(std::int64_t bytes, std::string_view decimal,
                            std::string_view thousands) {
    // Hundredths of a kB, rounded half away from zero.
    std::int64_t hundredths = (bytes * 200 + 1024) / 2048;
    std::int64_t whole = hundredths / 100;
    int fraction = static_cast<int>(hundredths % 100);

    std::string digits = whole == 0 ? std::string() : std::to_string(whole);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += thousands;
        grouped += digits[i];
    }
    std::string decimals = std::to_string(fraction / 10);
    if (fraction % 10 != 0) decimals += std::to_string(fraction % 10);
    return grouped + std::string(decimal) + decimals + " kB";
}

} // namespace files
