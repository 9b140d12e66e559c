#pragma once

#include <string>
#include <vector>

#include "ui/CSCDialog.h"

class QComboBox;

// The subroutine call's settings: a routine the host lists, or any typed name.
class CSCCallDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCCallDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QComboBox* RoutineBox() const { return m_routine; }

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    // The bytes of a text the user took as offered: the stored entry or one
    // of the host's. Null for a text of the user's own.
    const std::string* OfferedBytes(const QString& text) const;

    QComboBox* m_routine;
    // The host's entries and the stored entry, as bytes and as shown.
    std::vector<std::string> m_entries;
    std::string m_stored;
};
