#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "support/FakeHost.h"
#include "ui/Message.h"

// The host of the user-interface tests: on top of FakeHost it answers the
// picker and action-link requests, registers memories, and takes the edited
// list that the editor hands over.
class UiTestHost : public FakeHost {
public:
    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

    // The picker's answer (1: chosen) and the text it writes.
    intptr_t pickerAnswer = 0;
    std::string pickerChoice;
    // What the last picker request carried.
    std::string pickerStart;
    std::string pickerOwner;
    uint32_t pickerFilter = 0;

    intptr_t linkAnswer = 0;
    std::string linkChoice;
    std::string linkStart;

    std::vector<std::pair<std::string, int>> registered;

    // The stored bytes of the list handed over with apply-edited-list, and its key.
    std::string appliedList;
    std::string appliedKey;
};

// Outside a MessageLog a message box fails the running test and is answered No.
void FailOnMessages();

// Answers message boxes while it lives: each box takes the next answer (Yes
// when none are left) and its text is recorded.
class MessageLog {
public:
    explicit MessageLog(std::vector<bool> answers = {});
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<QString> texts;

private:
    std::vector<bool> m_answers;
};
