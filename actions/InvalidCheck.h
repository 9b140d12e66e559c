#pragma once

#include <string>
#include <vector>

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Works out an action's IsInvalid code and, when asked, the reasons for it,
// in the one pass of the action's Check: the first failure gives the code,
// and every failure a reason. Reasons are built only when they are wanted,
// so that IsInvalid costs no more than the checks themselves.
class InvalidCheck {
public:
    explicit InvalidCheck(std::vector<InvalidReason>* reasons = nullptr) : m_reasons(reasons) {}

    int Code() const { return m_code; }

    // A failure with its IsInvalid code, never 0.
    void Fail(int code, const char* english, const char8_t* japanese);
    // The same with a reason that `make` builds, called only when reasons are wanted.
    template <typename MakeReason>
    void FailWith(int code, MakeReason&& make)
    {
        Record(code);
        if (m_reasons != nullptr)
            m_reasons->push_back(make());
    }

    // An operand counts as given when it has a name.
    void NeedName(const CVXMemNode& node, const FieldLabel& field, int code = 1);
    // An operand whose script form counts: a name that is nothing but a kind
    // marker writes no memory at all.
    void NeedScriptForm(const CVXMemNode& node, const FieldLabel& field);
    void NeedText(const std::string& text, const FieldLabel& field, int code = 1);
    // A page number that must not be 0.
    void NeedPage(int32_t page, const FieldLabel& field);
    // A limit that a switched-on check needs.
    void NeedLimit(const CVXMemNode& limit, const FieldLabel& field, const FieldLabel& check);

private:
    void Record(int code);
    void Missing(const FieldLabel& field, int code);

    std::vector<InvalidReason>* m_reasons;
    int m_code = 0;
};

// A CP932 text quoted for a reason in UTF-8.
std::string Quoted(const std::string& cp932Text);
