// Document windows closed one after another inside an update of their frame: when the update
// ends, the frame is in the state it would have reached without it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "contract/contract_harness.h"

namespace {

std::vector<platform::MenuItemDef> Bar(const std::string& file) {
    platform::MenuItemDef item;
    item.name = "mnuFile";
    item.caption = file;
    platform::MenuItemDef sub;
    sub.name = "mnuFileNew";
    sub.caption = "&New";
    item.children.push_back(sub);
    return {item};
}

class FrameUpdateContract : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::FormDef def;
        def.kind = platform::FormKind::MdiFrame;
        def.name = "MDIForm1";
        def.width = 9000;
        def.height = 6000;
        frame = ContractPlatform().CreateFrame(def);
        frameMenu = ContractPlatform().CreateMenu(Bar("&Frame"), nullptr);
        frame->SetMenu(frameMenu.get());
        frame->Show();
    }
    // Taken down without closing: the frame's close would end the program's message loop.
    void TearDown() override {
        children.clear();
        menus.clear();
        frame.reset();
    }

    platform::Form& NewChild() {
        platform::FormDef def;
        def.kind = platform::FormKind::MdiChild;
        def.name = "Form1";
        def.caption = "Document " + std::to_string(children.size() + 1);
        def.width = 4000;
        def.height = 2500;
        menus.push_back(ContractPlatform().CreateMenu(Bar("&File"), nullptr));
        children.push_back(frame->CreateChild(def));
        children.back()->SetMenu(menus.back().get());
        return *children.back();
    }

    std::unique_ptr<platform::MdiFrame> frame;
    std::unique_ptr<platform::Menu> frameMenu;
    std::vector<std::unique_ptr<platform::Menu>> menus; // one bar per document
    std::vector<std::unique_ptr<platform::Form>> children;
};

} // namespace

TEST_F(FrameUpdateContract, TheRemainingDocumentsBarIsOnShowOnceTheOuterUpdateEnds) {
    platform::Form& a = NewChild();
    platform::Form& b = NewChild();
    platform::Form& c = NewChild();
    bool cancel = true;
    b.onQueryUnload = [&](platform::UnloadMode, bool& refuse) { refuse = cancel; };
    {
        platform::FrameUpdate outer(*frame);
        {
            platform::FrameUpdate inner(*frame);
            EXPECT_TRUE(c.Close()); // the active one
        }
        EXPECT_FALSE(b.Close()); // refused: stays
        cancel = false;
        EXPECT_TRUE(b.Close());
        EXPECT_FALSE(b.Loaded());
        EXPECT_TRUE(a.Loaded());
    }
    EXPECT_EQ(frame->ActiveChild(), &a);
    EXPECT_EQ(frame->ShownMenu(), menus[0].get());

    {
        platform::FrameUpdate update(*frame);
        EXPECT_TRUE(a.Close());
    }
    EXPECT_EQ(frame->ActiveChild(), nullptr);
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());

    // After the update, documents come and go as usual.
    platform::Form& d = NewChild();
    EXPECT_EQ(frame->ShownMenu(), menus[3].get());
    EXPECT_TRUE(d.Close());
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());
}

TEST_F(FrameUpdateContract, AnUpdateWithoutAnyCloseChangesNothing) {
    platform::Form& a = NewChild();
    platform::Form& b = NewChild();
    { platform::FrameUpdate update(*frame); }
    EXPECT_EQ(frame->ActiveChild(), &b);
    EXPECT_EQ(frame->ShownMenu(), menus[1].get());
    EXPECT_TRUE(a.Loaded());
}
