#include "ui/cmd_target.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr unsigned kSelChange = 1;       // CBN_SELCHANGE
constexpr unsigned kPaint = 0x000F;      // WM_PAINT
constexpr unsigned kSysCommand = 0x0112; // WM_SYSCOMMAND
constexpr unsigned kTimer = 0x0113;      // WM_TIMER, in no table

// A dialog whose handlers record their calls. The derived class below
// overrides one of its entries, adds its own Cancel entry and overrides OnOK.
class BaseDialog : public ui::CDialogBase {
public:
    void OnOK() override { calls.push_back("Base::OnOK"); }
    void OnCancel() override { calls.push_back("Base::OnCancel"); }

    std::vector<std::string> calls;
    bool paintTaken = true;

protected:
    const ui::MessageTable* GetMessageTable() const override { return &kTable; }
    static const ui::MessageTable kTable;

private:
    void OnApply() { calls.push_back("Base::OnApply"); }
    void OnSelChange() { calls.push_back("Base::OnSelChange"); }
    bool OnPaint(ui::MessageArgs&) {
        calls.push_back("Base::OnPaint");
        return paintTaken;
    }

    static const ui::MessageEntry kEntries[];
};

const ui::MessageEntry BaseDialog::kEntries[] = {
    ui::OnCommand(100, ui::kClicked, &BaseDialog::OnApply),
    ui::OnCommand(101, kSelChange, &BaseDialog::OnSelChange),
    ui::OnMessage(kPaint, &BaseDialog::OnPaint),
};
const ui::MessageTable BaseDialog::kTable = {&ui::CDialogBase::kMessageTable, std::begin(kEntries),
                                             std::end(kEntries)};

class DerivedDialog : public BaseDialog {
public:
    void OnOK() override { calls.push_back("Derived::OnOK"); }

protected:
    const ui::MessageTable* GetMessageTable() const override { return &kTable; }

private:
    void OnApply() { calls.push_back("Derived::OnApply"); }
    void OnBack() { calls.push_back("Derived::OnBack"); }
    bool OnSysCommand(ui::MessageArgs& args) {
        calls.push_back("Derived::OnSysCommand");
        args.result = static_cast<std::intptr_t>(args.wParam) + 1;
        return true;
    }

    static const ui::MessageEntry kEntries[];
    static const ui::MessageTable kTable;
};

const ui::MessageEntry DerivedDialog::kEntries[] = {
    ui::OnCommand(100, ui::kClicked, &DerivedDialog::OnApply),
    ui::OnCommand(ui::kIdCancel, ui::kClicked, &DerivedDialog::OnBack),
    ui::OnMessage(kSysCommand, &DerivedDialog::OnSysCommand),
};
const ui::MessageTable DerivedDialog::kTable = {&BaseDialog::kTable, std::begin(kEntries), std::end(kEntries)};

struct CommandCase {
    const char* name;
    bool derived;        // sent to a DerivedDialog rather than a BaseDialog
    unsigned id;
    unsigned code;
    const char* handler; // null: no table takes the command
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class CommandDispatchTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandDispatchTest, RunsTheMatchingHandler) {
    const CommandCase& c = GetParam();
    BaseDialog base;
    DerivedDialog derived;
    BaseDialog& dialog = c.derived ? derived : base;

    const bool handled = dialog.OnCmdMsg(c.id, c.code);

    EXPECT_EQ(handled, c.handler != nullptr);
    const std::vector<std::string> expected = c.handler ? std::vector<std::string>{c.handler}
                                                        : std::vector<std::string>{};
    EXPECT_EQ(dialog.calls, expected);
}

const CommandCase kCommandCases[] = {
    {"OwnEntry", false, 100, ui::kClicked, "Base::OnApply"},
    {"DerivedEntryShadowsBase", true, 100, ui::kClicked, "Derived::OnApply"},
    {"FallsBackToBaseTable", true, 101, kSelChange, "Base::OnSelChange"},
    {"SameIdOtherCodeIsNotMatched", true, 101, ui::kClicked, nullptr},
    {"SameCodeOtherIdIsNotMatched", true, 102, kSelChange, nullptr},
    {"OkReachesBaseBehaviour", false, ui::kIdOk, ui::kClicked, "Base::OnOK"},
    {"OkBaseBehaviourCallsTheOverride", true, ui::kIdOk, ui::kClicked, "Derived::OnOK"},
    {"CancelReachesBaseBehaviour", false, ui::kIdCancel, ui::kClicked, "Base::OnCancel"},
    {"DerivedCancelEntryBeatsBaseBehaviour", true, ui::kIdCancel, ui::kClicked, "Derived::OnBack"},
    {"OkWithNotificationCodeIsNotACommand", true, ui::kIdOk, kSelChange, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Tables, CommandDispatchTest, ::testing::ValuesIn(kCommandCases),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST(MessageDispatchTest, HandlerInBaseTableDecidesWhetherTheMessageIsTaken) {
    for (bool taken : {true, false}) {
        DerivedDialog dialog;
        dialog.paintTaken = taken;
        ui::MessageArgs args;
        args.message = kPaint;
        EXPECT_EQ(dialog.OnWndMsg(args), taken);
        EXPECT_EQ(dialog.calls, std::vector<std::string>{"Base::OnPaint"});
    }
}

TEST(MessageDispatchTest, HandlerSetsTheResult) {
    DerivedDialog dialog;
    ui::MessageArgs args;
    args.message = kSysCommand;
    args.wParam = 0x10;
    EXPECT_TRUE(dialog.OnWndMsg(args));
    EXPECT_EQ(args.result, 0x11);
}

TEST(MessageDispatchTest, MessagesInNoTableAreLeftToDefaultProcessing) {
    DerivedDialog dialog;
    // WM_COMMAND shares its number with the command entries, which have no
    // message handler: it must never be matched as a plain message.
    for (unsigned message : {kTimer, ui::kCommandMessage}) {
        ui::MessageArgs args;
        args.message = message;
        EXPECT_FALSE(dialog.OnWndMsg(args));
    }
    EXPECT_TRUE(dialog.calls.empty());
}

}  // namespace
