// The document window: one text in its edit control Text1, its own status bar and menus.
#pragma once
#include <memory>
#include <string>
#include <string_view>

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

    static bool HasHandler(std::string_view itemName);

    // Events
    void Form_Deactivate();
    void Form_Resize();
    void Form_QueryUnload(platform::UnloadMode mode, bool& cancel);
    void Form_Unload();
    void Text1_Change();
    void Text1_KeyUp(int key, int shift);
    void Text1_Click();
    void Text1_OLEDragDrop(const platform::DropData& data);

    // Menu handlers, one per item name; item arrays get the index.
    void mnuFileNew_Click(int);
    void mnuFileOpen_Click(int);
    void mnuFileSave_Click(int);
    void mnuFileSaveAs_Click(int);
    void mnuFileClose_Click(int);
    void mnuFileCloseAll_Click(int);
    void mnuFilePrintProperties_Click(int);
    void mnuFilePrint_Click(int);
    void mnuFilePrintAll_Click(int);
    void mnuFileExit_Click(int);
    void mnuEdit_Click(int); // the Edit menu opens
    void mnuEditUndo_Click(int);
    void mnuEditDelete_Click(int);
    void mnuEditCut_Click(int);
    void mnuEditCopy_Click(int);
    void mnuEditPaste_Click(int);
    void mnuEditCaseLowerCase_Click(int);
    void mnuEditCaseUpperCase_Click(int);
    void mnuEditCaseCapitalize_Click(int);
    void mnuEditCaseSentecize_Click(int);
    void mnuEditCaseInvertCase_Click(int);
    void mnuEditCaseCrackzCase_Click(int);
    void mnuEditTruncateLines_Click(int);
    void mnuEditSelectAll_Click(int);
    void mnuSearchFind_Click(int);
    void mnuSearchFindNext_Click(int);
    void mnuSearchReplace_Click(int);
    void mnuSearchResult_Click(int);
    void mnuSearchGotoLine_Click(int);
    void mnuSearchGotoPos_Click(int);
    void mnuSearchGotolongestColumn_Click(int);
    void mnuInsertNow_Click(int);
    void mnuInsertTime_Click(int);
    void mnuInsertDate_Click(int);
    void mnuTools1RowCalc_Click(int);
    void mnuToolsClipboardViewer_Click(int);
    void mnuToolsSystemConfig_Click(int index);
    void mnuToolsShell_Click(int index);
    void mnuViewAOT_Click(int);
    void mnuViewShowTaskbar_Click(int);
    void mnuViewShowSystray_Click(int);
    void mnuFormatWordWrap_Click(int);
    void mnuFormatFont_Click(int);
    void mnuFormatFontGlobal_Click(int);
    void mnuFormatFontPrinter_Click(int);
    void mnuWindowNew_Click(int);
    void mnuWindowNext_Click(int);
    void mnuWindowTile_Click(int index);
    void mnuHelpAbout_Click(int);
    void mnuHelpHelp_Click(int);

  private:
    void OnMenu(const std::string& name, int index);

    App& app_;
};

} // namespace app
