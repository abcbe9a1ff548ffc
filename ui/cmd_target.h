// Message tables: the platform-free half of the dialog layer.
//
// Each class that handles messages has one static table of entries and a
// link to its base class's table. A command entry matches a control id and a
// notification code; a message entry matches a window message. Lookup walks
// from the most derived table to the base, so a derived class overrides an
// entry simply by listing the same id and code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ui {

// Values of the window system that the tables refer to (checked against
// windows.h where that is available).
constexpr unsigned kCommandMessage = 0x0111;   // WM_COMMAND
constexpr unsigned kClicked = 0;               // BN_CLICKED, also menu and accelerator commands
constexpr unsigned kIdOk = 1;                  // IDOK
constexpr unsigned kIdCancel = 2;              // IDCANCEL

class CCmdTarget;

// One window message as the dialog procedure received it. A handler that
// takes the message sets `result` when the message has one.
struct MessageArgs {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::intptr_t result = 0;
};

using CommandHandler = void (CCmdTarget::*)();
// Returns false to leave the message to the window system's default processing.
using MessageHandler = bool (CCmdTarget::*)(MessageArgs&);

struct MessageEntry {
    unsigned message;   // kCommandMessage for command entries
    unsigned id;        // control id; commands only
    unsigned code;      // notification code; commands only
    CommandHandler onCommand;
    MessageHandler onMessage;
};

struct MessageTable {
    const MessageTable* base;   // null at the root
    const MessageEntry* begin;
    const MessageEntry* end;
};

// Table entries. The handler is a member of the class that owns the table, so
// it is only ever called on an object of that class.
template <class T>
constexpr MessageEntry OnCommand(unsigned id, unsigned code, void (T::*handler)()) {
    return {kCommandMessage, id, code, static_cast<CommandHandler>(handler), nullptr};
}

template <class T>
constexpr MessageEntry OnMessage(unsigned message, bool (T::*handler)(MessageArgs&)) {
    return {message, 0, 0, nullptr, static_cast<MessageHandler>(handler)};
}

// The first entry for the command or message, searching `table` and then its
// bases; null when none has one.
const MessageEntry* FindCommandEntry(const MessageTable* table, unsigned id, unsigned code);
const MessageEntry* FindMessageEntry(const MessageTable* table, unsigned message);

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of the command; false when no table has an entry.
    bool OnCmdMsg(unsigned id, unsigned code);
    // Runs the handler of the message; false when no table has an entry or
    // the handler left the message to default processing.
    bool OnWndMsg(MessageArgs& args);

protected:
    virtual const MessageTable* GetMessageTable() const { return nullptr; }
};

// The part of the dialog class that needs no window system: the base
// behaviour of the OK and Cancel commands, reached when no derived table
// handles IDOK or IDCANCEL.
class CDialogBase : public CCmdTarget {
public:
    virtual void OnOK() = 0;
    virtual void OnCancel() = 0;

    static const MessageTable kMessageTable;

protected:
    const MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    static const MessageEntry kMessageEntries[];
};

}  // namespace ui
