// A small program to look at the Win32 layer by eye: a frame with its status bar and menus, and
// document windows with an edit control and their own bars. `smoke.exe` then type and click.
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"

using namespace platform;

namespace {

std::vector<MenuItemDef> FrameMenu() {
    return {
        {"MnuFile", "&File", {}, -1, false, true, false,
         {{"mnuFileNew", "&New", Plain(key::F(2))},
          {"mnuFileSepar1", "-"},
          {"MnuFileExit", "E&xit", Ctrl('Q')}}},
        {"mnuView", "&View", {}, -1, false, true, false,
         {{"mnuViewAOT", "&Always on top", Plain(key::F(4))},
          {"mnuViewShowTaskbar", "Taskbar", {}, -1, true, false}}},
        {"mnuWindow", "&Window", {}, -1, false, true, false,
         {{"mnuWindowNew", "&New window", Ctrl('N')}}},
    };
}

std::vector<MenuItemDef> DocumentMenu() {
    return {
        {"mnuFile", "&File", {}, -1, false, true, false,
         {{"mnuFileNew", "&New", Plain(key::F(2))},
          {"mnuFileSave", "&Save", Ctrl('S')},
          {"mnuFileSepar1", "-"},
          {"mnuFileClose", "C&lose", Ctrl('L')},
          {"mnuFileCloseAll", "Close &all", ShiftKey(key::F(9))},
          {"mnuFileSepar2", "-"},
          {"mnuFileExit", "E&xit", Ctrl('Q')}}},
        {"mnuEdit", "&Edit", {}, -1, false, true, false,
         {{"mnuEditUndo", "&Undo", Alt(key::Back)},
          {"mnuEditDelete", "&Delete", Plain(key::Delete)},
          {"mnuEditSelectAll", "Select &all", Ctrl('A')}}},
        {"mnuFormat", "&Format", {}, -1, false, true, false,
         {{"mnuFormatWordWrap", "Word &wrap", Ctrl('W'), -1, false, false}}},
        {"mnuWindow", "&Window", {}, -1, false, true, true,
         {{"mnuWindowNew", "&New window", Ctrl('N')},
          {"mnuWindowSepar1", "-"},
          {"mnuWindowTile", "Tile &horizontally", ShiftCtrl(key::F(5)), 0},
          {"mnuWindowTile", "&Cascade", ShiftCtrl(key::F(7)), 2}}},
    };
}

FormDef FrameDef() {
    FormDef def;
    def.kind = FormKind::MdiFrame;
    def.name = "MDIForm1";
    def.caption = "Scrivex";
    def.width = 11000;
    def.height = 8000;
    ControlDef bar;
    bar.kind = ControlKind::StatusBar;
    bar.name = "StatusBar1";
    bar.panels = {
        {PanelStyle::Text, "Scrivex - Ultimate MDI Text Editor", "", 3000, PanelSize::Spring,
         PanelAlign::Left},
        {PanelStyle::Date, "", "Date", 1000},
        {PanelStyle::Time, "", "Time", 1000},
        {PanelStyle::Insert, "", "Insert"},
        {PanelStyle::Caps, "", "Caps Lock"},
        {PanelStyle::Num, "", "Num Lock"},
        {PanelStyle::Scroll, "", "Scroll Lock"},
    };
    def.controls.push_back(bar);
    return def;
}

FormDef DocumentDef() {
    FormDef def;
    def.kind = FormKind::MdiChild;
    def.name = "Form1";
    def.caption = "Untitled";
    def.width = 7000;
    def.height = 4000;
    ControlDef text;
    text.kind = ControlKind::MultiLineBox;
    text.name = "Text1";
    text.width = 7000;
    text.height = 3500;
    text.font = FontDef{};
    def.controls.push_back(text);
    ControlDef bar;
    bar.kind = ControlKind::StatusBar;
    bar.name = "StatusBar1";
    bar.panels = {
        {PanelStyle::Text, "", "", 1050, PanelSize::Contents, PanelAlign::Center, PanelBevel::Raised},
        {PanelStyle::Text, "", "", 1050, PanelSize::Contents, PanelAlign::Center, PanelBevel::Raised},
        {PanelStyle::Text, "", "", 1050, PanelSize::Contents, PanelAlign::Center, PanelBevel::Raised},
        {PanelStyle::Text, "", "", 3000, PanelSize::Spring, PanelAlign::Left},
        {PanelStyle::Text, "", "", 960, PanelSize::Contents, PanelAlign::Left},
    };
    def.controls.push_back(bar);
    return def;
}

struct Document {
    std::unique_ptr<Form> form;
    std::unique_ptr<Menu> menu;
};

struct Program {
    win32::Win32Platform platform;
    std::unique_ptr<MdiFrame> frame;
    std::unique_ptr<Menu> frameMenu;
    std::vector<std::unique_ptr<Document>> documents;

    void ShowCaret(Form& form) {
        auto& text = form.Get<TextBox>("Text1");
        auto& bar = form.Get<StatusBar>("StatusBar1");
        int pos = text.SelStart();
        int line = static_cast<int>(text.SendMessage(0xC9, pos)) + 1;
        int lines = static_cast<int>(text.SendMessage(0xBA, 0));
        bar.SetPanelText(1, "Ln" + std::to_string(line) + " /" + std::to_string(lines));
        bar.SetPanelText(3, "Pos" + std::to_string(pos));
    }

    void NewDocument() {
        auto doc = std::make_unique<Document>();
        doc->form = frame->CreateChild(DocumentDef());
        Form* form = doc->form.get();
        doc->menu = platform.CreateMenu(DocumentMenu(), [this, form](const std::string& name, int index) {
            OnDocumentMenu(*form, name, index);
        });
        form->SetMenu(doc->menu.get());
        form->SetCaption("Untitled " + std::to_string(documents.size() + 1));
        auto& text = form->Get<TextBox>("Text1");
        text.onKeyUp = [this, form](int, int) { ShowCaret(*form); };
        text.onClick = [this, form] { ShowCaret(*form); };
        form->onResize = [form] {
            auto& bar = form->Get<StatusBar>("StatusBar1");
            int height = std::max(0, form->ScaleHeight() - bar.Height());
            form->Get<TextBox>("Text1").Move(0, 0, form->ScaleWidth(), height);
        };
        form->Get<StatusBar>("StatusBar1").SetPanelText(4, "C:\\very\\long\\path\\to\\a\\file.txt");
        form->Get<StatusBar>("StatusBar1").SetPanelTooltip(4, "C:\\very\\long\\path\\to\\a\\file.txt");
        form->Get<StatusBar>("StatusBar1").SetPanelText(5, "1234 Bytes ");
        form->onResize();
        ShowCaret(*form);
        documents.push_back(std::move(doc));
    }

    void OnDocumentMenu(Form& form, const std::string& name, int index) {
        auto& text = form.Get<TextBox>("Text1");
        if (name == "mnuFileNew" || name == "mnuWindowNew") NewDocument();
        else if (name == "mnuFileClose") form.Close();
        else if (name == "mnuFileExit") frame->Close();
        else if (name == "mnuEditUndo") text.SendMessage(0x304, 0);
        else if (name == "mnuEditDelete") text.SendMessage(0x100, 46);
        else if (name == "mnuEditSelectAll") { text.SetSelStart(0); text.SetSelLength(1 << 30); }
        else if (name == "mnuFileSave") platform.MsgBox("Save is not here yet", 64, "Scrivex");
        else platform.MsgBox(name + " " + std::to_string(index), 0, "Scrivex");
    }

    int Main() {
        frame = platform.CreateFrame(FrameDef());
        frameMenu = platform.CreateMenu(FrameMenu(), [this](const std::string& name, int) {
            if (name == "mnuFileNew" || name == "mnuWindowNew") NewDocument();
            if (name == "MnuFileExit") frame->Close();
        });
        frame->SetMenu(frameMenu.get());
        frame->Move(0, 0, 15000, 11000);
        frame->Show();
        NewDocument();
        documents.back()->form->SetState(WindowState::Maximized);
        documents.back()->form->Get<TextBox>("Text1").SetText("Hello from Scrivex\r\nline two\r\nthree");
        return platform.Run();
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Program program;
    return program.Main();
}
