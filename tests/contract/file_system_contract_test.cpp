// What the save relies on in the file system, checked on every platform alike.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "platform/errors.h"

using namespace platform;

namespace {

class FileSystemContract : public ::testing::Test {
  protected:
    void SetUp() override { folder = ContractFolder(); }
    FileSystem& fs() { return ContractPlatform().Files(); }
    void Put(const std::string& path, std::string_view bytes) {
        auto file = fs().OpenForWriting(path, true);
        file->Write(bytes);
        file->Close();
    }
    template <class Call> int ErrorOf(Call call) {
        try {
            call();
        } catch (const RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }
    std::string folder;
};

TEST_F(FileSystemContract, WriteMakesTheWholeContentEvenWhenRunAgain) {
    const std::string path = folder + "a.txt";
    const std::string bytes("line\r\n\0\xE9\xFF", 9);
    {
        auto file = fs().OpenForWriting(path, false); // made when missing
        file->Write("a much longer first attempt");
        file->Write(bytes); // a retry: nothing of the first attempt stays
        file->Flush();
        file->Close();
        file->Close(); // closing again is quiet
        EXPECT_EQ(ErrorOf([&] { file->Write("x"); }), err::BadFileName);
    }
    EXPECT_EQ(fs().FileLength(path), 9);
    EXPECT_EQ(fs().ReadAll(path), bytes);

    // Opened without emptying, the content stays until written; emptying cuts it to nothing.
    fs().OpenForWriting(path, false)->Close();
    EXPECT_EQ(fs().ReadAll(path), bytes);
    fs().OpenForWriting(path, true)->Close();
    EXPECT_EQ(fs().FileLength(path), 0);
}

TEST_F(FileSystemContract, CopyReplacesAndDeleteRemoves) {
    const std::string a = folder + "a.txt", b = folder + "~Scrivex.temporary.a.txt";
    Put(a, "new");
    Put(b, "an older backup");
    fs().Copy(a, b);
    EXPECT_EQ(fs().ReadAll(b), "new");
    EXPECT_EQ(fs().ReadAll(a), "new");
    fs().Delete(b);
    EXPECT_FALSE(fs().Exists(b));
    EXPECT_EQ(ErrorOf([&] { fs().Delete(b); }), err::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { fs().Copy(folder + "missing.txt", b); }), err::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { fs().FileLength(folder + "missing.txt"); }), err::FileNotFound);
    const std::string itself = folder.substr(0, folder.size() - 1);
    EXPECT_EQ(ErrorOf([&] { fs().OpenForWriting(itself, false); }), err::PathFileAccess);
    EXPECT_EQ(ErrorOf([&] { fs().ReadAll(itself); }), err::PathFileAccess);
}

TEST_F(FileSystemContract, IsFolderTellsFoldersFromFilesAndFailsForMissingNames) {
    const std::string file = folder + "a.txt";
    Put(file, "x");
    EXPECT_TRUE(fs().IsFolder(folder.substr(0, folder.size() - 1)));
    EXPECT_TRUE(fs().IsFolder(folder));
    EXPECT_FALSE(fs().IsFolder(file));
    EXPECT_EQ(ErrorOf([&] { fs().IsFolder(folder + "missing"); }), err::FileNotFound);
}

TEST_F(FileSystemContract, RenameNeverReplaces) {
    const std::string a = folder + "r.txt", b = folder + "~Scrivex.kept.1.r.txt";
    Put(a, "backup");
    Put(b, "kept before");
    EXPECT_NE(ErrorOf([&] { fs().Rename(a, b); }), 0);
    EXPECT_EQ(fs().ReadAll(b), "kept before");
    fs().Delete(b);
    fs().Rename(a, b);
    EXPECT_FALSE(fs().Exists(a));
    EXPECT_EQ(fs().ReadAll(b), "backup");
    EXPECT_EQ(ErrorOf([&] { fs().Rename(a, b); }), err::FileNotFound);
}

TEST_F(FileSystemContract, RelativeNamesGetTheCurrentFolder) {
    std::string full = fs().FullPath("notes.txt");
    EXPECT_GT(full.size(), 10u);
    EXPECT_EQ(full.substr(full.size() - 10), "\\notes.txt");
    EXPECT_EQ(full[1], ':');
    EXPECT_EQ(fs().FullPath(folder + "x.txt"), folder + "x.txt");
}

TEST(TextBoxCapacity, AMultiLineBoxHoldsItsCapacityAndAOneLineBoxMore) {
    FormDef def;
    def.kind = FormKind::Tool;
    def.name = "frmCapacity";
    def.width = 6000;
    def.height = 4000;
    ControlDef box;
    box.kind = ControlKind::MultiLineBox;
    box.name = "Text1";
    box.width = 5000;
    box.height = 2000;
    def.controls.push_back(box);
    box.kind = ControlKind::TextBox;
    box.name = "txtFind";
    box.top = 2500;
    box.height = 300;
    def.controls.push_back(box);
    auto form = ContractPlatform().CreateForm(def);
    auto& text1 = form->Get<TextBox>("Text1");
    int changes = 0;
    text1.onChange = [&] { ++changes; };

    text1.SetText(std::string(kMultiLineCapacity + 100, 'x'));
    EXPECT_EQ(text1.Text().size(), static_cast<size_t>(kMultiLineCapacity));
    EXPECT_EQ(changes, 1);

    // An insert keeps what fits.
    text1.SetText(std::string(kMultiLineCapacity - 3, 'x'));
    text1.SetSelStart(0);
    text1.SetSelText("abcdef");
    EXPECT_EQ(text1.Text().size(), static_cast<size_t>(kMultiLineCapacity));
    EXPECT_EQ(text1.Text().substr(0, 4), "abcx");

    auto& find = form->Get<TextBox>("txtFind");
    find.SetText(std::string(70000, 'y'));
    EXPECT_EQ(find.Text().size(), 70000u);
    form->Unload();
}

// Closing the frame asks every document window first; one refusal keeps all of them open.
TEST(FrameClosing, EveryDocumentIsAskedBeforeAnyCloses) {
    FormDef frameDef;
    frameDef.kind = FormKind::MdiFrame;
    frameDef.name = "MDIForm1";
    frameDef.caption = "Scrivex";
    frameDef.width = 9000;
    frameDef.height = 6000;
    auto frame = ContractPlatform().CreateFrame(frameDef);
    FormDef childDef;
    childDef.kind = FormKind::MdiChild;
    childDef.name = "Form1";
    childDef.caption = "Untitled";
    auto a = frame->CreateChild(childDef);
    auto b = frame->CreateChild(childDef);
    std::vector<std::string> asked, unloaded;
    bool refuse = true;
    auto watch = [&](Form& form, std::string name, bool mayRefuse) {
        form.onQueryUnload = [&, name, mayRefuse](UnloadMode mode, bool& cancel) {
            asked.push_back(name + std::to_string(static_cast<int>(mode)));
            if (mayRefuse && refuse) cancel = true;
        };
        form.onUnload = [&, name] { unloaded.push_back(name); };
    };
    watch(*a, "a", false);
    watch(*b, "b", true);
    const std::string closing = std::to_string(static_cast<int>(UnloadMode::FrameClosing));
    const std::string shutdown = std::to_string(static_cast<int>(UnloadMode::WindowsShutdown));

    EXPECT_FALSE(frame->Close(UnloadMode::Code));
    EXPECT_EQ(asked, (std::vector<std::string>{"a" + closing, "b" + closing}));
    EXPECT_TRUE(unloaded.empty());
    EXPECT_TRUE(a->Loaded() && b->Loaded() && frame->Loaded());

    asked.clear();
    EXPECT_FALSE(frame->Close(UnloadMode::WindowsShutdown));
    EXPECT_EQ(asked, (std::vector<std::string>{"a" + shutdown, "b" + shutdown}));

    refuse = false;
    asked.clear();
    EXPECT_TRUE(frame->Close(UnloadMode::Code));
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(unloaded.size(), 2u);
    EXPECT_FALSE(frame->Loaded());
    a->onQueryUnload = nullptr;
    b->onQueryUnload = nullptr;
    a->onUnload = nullptr;
    b->onUnload = nullptr;
}

} // namespace
