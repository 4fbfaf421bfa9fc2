// The document window: one text in its edit control Text1, its own status bar and menus. Its
// menu items run the commands of app/commands.h on this window.
#pragma once
#include "core/document.h"
#include "platform/platform.h"

namespace app {

class App;

class DocumentWindow : public core::Document {
  public:
    // Creates the window inside the frame; Form_Load runs separately, as the registry wants
    // the window stored in its slot before it loads.
    explicit DocumentWindow(App& app);
    ~DocumentWindow() override;

    void Form_Load();

    // Events
    void Form_Deactivate();
    void Form_Resize();
    void Form_QueryUnload(platform::UnloadMode mode, bool& cancel);
    void Form_Unload();
    void Text1_Change();
    void Text1_KeyUp(int key, int shift);
    void Text1_Click();
    void Text1_OLEDragDrop(const platform::DropData& data);

  private:
    App& app_;
};

} // namespace app
