#include "UiTestHost.h"

#include <QTest>

#include "core/CStepchainData.h"
#include "host/HostApi.h"
#include "support/Stored.h"

intptr_t UiTestHost::OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    switch (msg) {
    case hostmsg::PICKER_REQUEST: {
        received.push_back(msg);
        const auto* request = reinterpret_cast<const PickerRequest*>(wParam);
        pickerStart = *request->text;
        pickerOwner = *request->ownerName;
        pickerFilter = request->filter;
        if (pickerAnswer == 1)
            *request->text = pickerChoice;
        return pickerAnswer;
    }
    case hostmsg::ACTION_LINK_REQUEST: {
        received.push_back(msg);
        auto* text = reinterpret_cast<std::string*>(lParam);
        linkStart = *text;
        if (linkAnswer == 1)
            *text = linkChoice;
        return linkAnswer;
    }
    case hostmsg::REGISTER_MEMORY:
        received.push_back(msg);
        registered.emplace_back(*reinterpret_cast<const std::string*>(wParam), static_cast<int>(lParam));
        return 0;
    case hostmsg::APPLY_EDITED_LIST:
        received.push_back(msg);
        appliedList = StoredBytes(*reinterpret_cast<CStepchainData*>(wParam));
        appliedKey = *reinterpret_cast<const std::string*>(lParam);
        return 0;
    default:
        return FakeHost::OnMessage(msg, wParam, lParam);
    }
}

MessageLog::MessageLog(std::vector<bool> answers) : m_answers(std::move(answers))
{
    ui::SetMessageResponder([this](const QString& text, ui::MessageKind) {
        texts.push_back(text);
        if (m_answers.empty())
            return true;
        const bool answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    });
}

MessageLog::~MessageLog() { FailOnMessages(); }

void FailOnMessages()
{
    ui::SetMessageResponder([](const QString& text, ui::MessageKind) {
        QTest::qFail(qPrintable("unexpected message box: " + text), __FILE__, __LINE__);
        return false;
    });
}
