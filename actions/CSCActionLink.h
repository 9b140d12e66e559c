#pragma once

#include <string_view>

#include "actions/CSCAction.h"

// Runs an action of another screen object: the script calls the target's
// subroutine while the panel memory _MODE_ACTION_LINK is 1.
class CSCActionLink : public CSCAction {
public:
    explicit CSCActionLink(CStepchainData* list) : CSCAction(list, SC_ACTIONLINK) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    // Loading lets the host translate the stored target.
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    // Takes the target put aside as well.
    void CopyPropertiesFrom(IStepchain* source) override;
    BOOL MergeLimit(DWORD limit) override;
    // Follows device renames: the device is the target's first "!"-separated
    // part. Removing the device puts the target aside; restoring brings it back.
    void MemSync(std::string oldName, std::string newName) override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The host chooser's text: parts separated by "!", the device first.
    std::string m_target;
    // The target put aside while its device is removed; not archived.
    std::string m_savedTarget;

protected:
    // 1: no target.
    void Check(InvalidCheck& check) override;
};

// The parts of a link target that a script line calls, joined: the part
// before the first "!" and the part after the last, or the whole target
// without "!". The keypad's link names its subroutine the same way.
std::string LinkedRoutine(std::string_view target);
// Those two parts, or the whole target, as they go into the line.
std::vector<std::string> LinkedParts(std::string_view target);
// The part before the last "!": what the user sees; empty without "!".
std::string LinkShownText(std::string_view target);
