#pragma once

#include <QString>
#include <QTest>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/CStepchainData.h"
#include "host/HostApi.h"
#include "support/FakeHost.h"
#include "support/Stored.h"
#include "ui/Message.h"

// The host of the user-interface tests: on top of FakeHost it answers the
// picker and action-link requests, registers memories, and takes the edited
// list that the editor hands over.
class UiTestHost : public FakeHost {
public:
    UiTestHost() = default;
    // A host that knows these memories (name -> type).
    explicit UiTestHost(std::map<std::string, int> known) { memories = std::move(known); }
    // The picker answers with `choice`.
    void PickerChooses(std::string choice) { std::tie(pickerAnswer, pickerChoice) = std::pair(1, std::move(choice)); }

    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override
    {
        if (msg == hostmsg::PICKER_REQUEST) {
            const auto* request = reinterpret_cast<const PickerRequest*>(wParam);
            pickerStart = *request->text;
            pickerOwner = *request->ownerName;
            pickerFilter = request->filter;
            if (pickerAnswer == 1)
                *request->text = pickerChoice;
            return pickerAnswer;
        }
        if (msg == hostmsg::ACTION_LINK_REQUEST) {
            auto* text = reinterpret_cast<std::string*>(lParam);
            linkStart = *text;
            if (linkAnswer == 1)
                *text = linkChoice;
            return linkAnswer;
        }
        if (msg == hostmsg::FEATURE_QUERY && !answersQueries) {
            FakeHost::OnMessage(msg, wParam, lParam);
            return 0;
        }
        if (msg == hostmsg::REGISTER_MEMORY)
            registered.emplace_back(*reinterpret_cast<const std::string*>(wParam), static_cast<int>(lParam));
        else if (msg == hostmsg::APPLY_EDITED_LIST)
            std::tie(appliedList, appliedKey) = std::pair(StoredBytes(*reinterpret_cast<CStepchainData*>(wParam)),
                                                          *reinterpret_cast<const std::string*>(lParam));
        else
            return FakeHost::OnMessage(msg, wParam, lParam);
        return 0;
    }

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
    // When clear, a feature query fills in the entries but answers 0 (not known).
    bool answersQueries = true;

    // The stored bytes of the list handed over with apply-edited-list, and its key.
    std::string appliedList;
    std::string appliedKey;
};

// Outside a MessageLog a message box fails the running test and is answered No.
inline void FailOnMessages()
{
    ui::SetMessageResponder([](const QString& text, ui::MessageKind) {
        QTest::qFail(qPrintable("unexpected message box: " + text), __FILE__, __LINE__);
        return false;
    });
}

// Answers message boxes while it lives: each box takes the next answer (Yes
// when none are left) and its text is recorded.
class MessageLog {
public:
    explicit MessageLog(std::vector<bool> answers = {}) : m_answers(std::move(answers))
    {
        ui::SetMessageResponder([this](const QString& text, ui::MessageKind) {
            texts.push_back(text);
            const bool answer = m_answers.empty() || m_answers.front();
            if (!m_answers.empty())
                m_answers.erase(m_answers.begin());
            return answer;
        });
    }
    ~MessageLog() { FailOnMessages(); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<QString> texts;

private:
    std::vector<bool> m_answers;
};
