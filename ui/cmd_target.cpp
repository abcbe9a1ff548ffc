#include "ui/cmd_target.h"

#include <iterator>

namespace ui {
namespace {

template <class Match>
const MessageEntry* Find(const MessageTable* table, Match match) {
    for (; table != nullptr; table = table->base) {
        for (const MessageEntry* entry = table->begin; entry != table->end; ++entry) {
            if (match(*entry)) return entry;
        }
    }
    return nullptr;
}

}  // namespace

const MessageEntry* FindCommandEntry(const MessageTable* table, unsigned id, unsigned code) {
    return Find(table, [&](const MessageEntry& e) {
        return e.message == kCommandMessage && e.id == id && e.code == code;
    });
}

const MessageEntry* FindMessageEntry(const MessageTable* table, unsigned message) {
    // WM_COMMAND is only ever matched with its id and code.
    if (message == kCommandMessage) return nullptr;
    return Find(table, [&](const MessageEntry& e) { return e.message == message; });
}

bool CCmdTarget::OnCmdMsg(unsigned id, unsigned code) {
    const MessageEntry* entry = FindCommandEntry(GetMessageTable(), id, code);
    if (entry == nullptr) return false;
    (this->*entry->onCommand)();
    return true;
}

bool CCmdTarget::OnWndMsg(MessageArgs& args) {
    const MessageEntry* entry = FindMessageEntry(GetMessageTable(), args.message);
    if (entry == nullptr) return false;
    return (this->*entry->onMessage)(args);
}

const MessageEntry CDialogBase::kMessageEntries[] = {
    OnCommand(kIdOk, kClicked, &CDialogBase::OnOK),
    OnCommand(kIdCancel, kClicked, &CDialogBase::OnCancel),
};

const MessageTable CDialogBase::kMessageTable = {
    nullptr, std::begin(kMessageEntries), std::end(kMessageEntries)};

}  // namespace ui
