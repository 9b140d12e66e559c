#pragma once

#include <string>

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// An action for list tests: it holds two operands, answers fixed script
// texts per pass, and reports itself as the type id it is given.
class TestAction : public IStepchain {
public:
    explicit TestAction(int type = SC_SETVALUE) : m_type(type) {}

    int Edit(QWidget*, DWORD) override { return IDCANCEL; }
    void Serialize(CArchive& ar) override
    {
        m_first.Serialize(ar);
        m_second.Serialize(ar);
    }
    std::string ExportStr(const std::string& key, IPWObject*) override
    {
        return key == PASS_INITIAL ? m_initial : key == PASS_INTERVAL ? m_interval : m_main + key;
    }
    const std::string& GetCaption() override { return m_caption; }
    int GetActionType() override { return m_type; }
    void CopyPropertiesFrom(IStepchain*) override {}
    void PreEdit() override {}
    void GetMemNodes(MemNodeArray& nodes) override
    {
        nodes.push_back(&m_first);
        nodes.push_back(&m_second);
    }
    BOOL CompareProperties(IStepchain* other) override { return other->GetActionType() == m_type; }
    int IsInvalid() override { return 0; }
    BOOL MergeLimit(DWORD) override { return 1; }
    void MemSync(std::string oldName, std::string newName) override
    {
        hookCalls.push_back(oldName + ">" + newName);
    }

    int m_type;
    CVXMemNode m_first;
    CVXMemNode m_second;
    std::string m_initial;
    std::string m_interval;
    // The main pass answers this text followed by the key it was given.
    std::string m_main;
    std::string m_caption;
    std::vector<std::string> hookCalls;
};
