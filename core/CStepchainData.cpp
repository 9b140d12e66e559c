#include "core/CStepchainData.h"

#include <memory>

#include "core/CVXMemNode.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/LabelIndex.h"
#include "core/Texts.h"
#include "host/HostApi.h"
#include "host/IPWObject.h"

CStepchainData::CStepchainData() { FillStepchainCreators(m_creators); }

CStepchainData::~CStepchainData() { RemoveAllProperties(); }

CStepchainData::CheckScope::CheckScope(CStepchainData& list) : m_list(list) { ++m_list.m_checkScopes; }

CStepchainData::CheckScope::~CheckScope()
{
    if (--m_list.m_checkScopes == 0)
        m_list.m_labelIndex.reset();
}

const LabelIndex* CStepchainData::ScopedIndex()
{
    if (m_checkScopes == 0)
        return nullptr;
    if (!m_labelIndex)
        m_labelIndex = std::make_unique<LabelIndex>(m_actions);
    return m_labelIndex.get();
}

void CStepchainData::RowsChanged() { m_labelIndex.reset(); }

void CStepchainData::AddSC(IStepchain* action)
{
    // A failed creation must not leave a hole that every walk would trip on.
    if (action != nullptr) {
        m_actions.push_back(action);
        RowsChanged();
    }
}

IStepchain* CStepchainData::CreateSC(int typeId)
{
    if (typeId < 0 || typeId >= SC_TYPE_COUNT)
        return nullptr;
    const StepchainCreator creator = m_creators[static_cast<size_t>(typeId)];
    return creator != nullptr ? creator(this) : nullptr;
}

void CStepchainData::RemoveAllProperties()
{
    for (IStepchain* action : m_actions)
        delete action;
    StepchainArray().swap(m_actions);
    RowsChanged();
}

void CStepchainData::CopyPropertiesFrom(CStepchainData* source)
{
    if (source == this)
        return;
    m_limit = source->m_limit;
    RemoveAllProperties();
    m_actions.reserve(source->m_actions.size());
    for (IStepchain* from : source->m_actions) {
        std::unique_ptr<IStepchain> copy(CreateSC(from->GetActionType()));
        if (!copy)
            continue;
        copy->CopyPropertiesFrom(from);
        m_actions.push_back(copy.release());
    }
    RowsChanged();
}

int CStepchainData::CompareProperties(CStepchainData* other)
{
    if (m_actions.size() != other->m_actions.size())
        return 0;
    for (size_t i = 0; i < m_actions.size(); ++i) {
        if (!m_actions[i]->CompareProperties(other->m_actions[i]))
            return 0;
    }
    return 1;
}

int CStepchainData::CheckAction(IStepchain* action, int mode)
{
    if (mode == 2) {
        const std::string* name = GetLabelName(action);
        if (name == nullptr)
            return 0;
        if (const LabelIndex* index = ScopedIndex()) {
            // A label that is not a row of this list meets every label of its name.
            if (const std::optional<int> answer = index->RowAnswer(action))
                return *answer;
            return index->LabelRows(*name).empty() ? 0 : -1;
        }
        for (IStepchain* entry : m_actions) {
            const std::string* other = entry != action ? GetLabelName(entry) : nullptr;
            if (other != nullptr && *other == *name)
                return -1;
        }
        return 0;
    }
    if (mode == 1) {
        const std::string* target = GetBranchTarget(action);
        if (target == nullptr)
            return 0;
        if (const LabelIndex* index = ScopedIndex()) {
            // A branch that is not a row of this list never passes a label.
            if (const std::optional<int> answer = index->RowAnswer(action))
                return *answer;
            return index->LabelRows(*target).empty() ? 1 : 2;
        }
        bool passed = false;
        for (IStepchain* entry : m_actions) {
            if (entry == action)
                passed = true;
            const std::string* name = GetLabelName(entry);
            if (name != nullptr && *name == *target)
                return passed ? 0 : 2;
        }
        return 1;
    }
    return 0;
}

std::vector<size_t> CStepchainData::FindLabelRows(const std::string& name)
{
    if (const LabelIndex* index = ScopedIndex()) {
        const std::span<const uint32_t> rows = index->LabelRows(name);
        return {rows.begin(), rows.end()};
    }
    std::vector<size_t> rows;
    for (size_t row = 0; row < m_actions.size(); ++row) {
        const std::string* label = GetLabelName(m_actions[row]);
        if (label != nullptr && *label == name)
            rows.push_back(row);
    }
    return rows;
}

int CStepchainData::IsInvalid()
{
    const CheckScope scope(*this);
    for (IStepchain* action : m_actions) {
        if (action->IsInvalid() != 0)
            return 1;
    }
    return 0;
}

void CStepchainData::MergeLimit()
{
    size_t kept = 0;
    for (IStepchain* action : m_actions) {
        if (action->MergeLimit(m_limit))
            m_actions[kept++] = action;
        else
            delete action;
    }
    m_actions.resize(kept);
    RowsChanged();
}

int CStepchainData::MemSync(std::string oldName, std::string newName)
{
    const bool devicePrefix = !oldName.empty() && oldName[0] == '*';
    const bool hookWanted = devicePrefix || oldName.rfind("%SER%", 0) == 0;
    const std::string device = devicePrefix ? oldName.substr(1) : std::string();
    const std::string deviceDot = device + ".";
    int changed = 0;

    MemNodeArray nodes;
    for (IStepchain* action : m_actions) {
        nodes.clear();
        action->GetMemNodes(nodes);
        if (hookWanted)
            action->MemSync(oldName, newName);
        for (CVXMemNode* node : nodes) {
            if (node->m_kind == CVXMemNode::KIND_LITERAL_TEXT)
                continue;
            std::string& name = node->m_name;
            if (devicePrefix) {
                if (newName.empty()) {
                    if (name.compare(0, deviceDot.size(), deviceDot) == 0) {
                        node->m_text2 = std::move(name);
                        name.clear();
                        host::NodeCleared(m_owner);
                    }
                } else if (oldName == "*.") {
                    if (cp932::Contains(node->m_text2, device)) {
                        name = std::move(node->m_text2);
                        node->m_text2.clear();
                    }
                } else if (!cp932::Contains(name, "%SER%") && name.compare(0, deviceDot.size(), deviceDot) == 0) {
                    // Only the leading device name: PLC1 must not turn PLC10.D0 into PLC20.D0.
                    name = newName + name.substr(device.size());
                }
            } else if (!name.empty() && name[0] == '\x1A') {
                name = cp932::ReplaceAll(name, cp932::DropFirstChar(oldName), newName);
                changed = 1;
            } else if (name == oldName) {
                name = newName;
                changed = 1;
            }
        }
    }
    return changed;
}

const std::string& CStepchainData::GetCaption()
{
    static std::string caption;
    caption = m_actions.empty() ? T(Txt::ListNotSet)
                                : Format(T(Txt::ListCount), {static_cast<long long>(m_actions.size())});
    return caption;
}

void CStepchainData::SetOwnerObj(IPWObject* owner)
{
    if (owner != nullptr && owner->GetTypeName() != "SELECT")
        m_owner = owner;
}

int CStepchainData::Edit(QWidget* parent, DWORD limit, const std::string& key)
{
    for (IStepchain* action : m_actions)
        action->PreEdit();
    return RunListEditHook(this, parent, limit, key);
}

void CStepchainData::Convert_TO_VGA(CStepchainData*) {}
