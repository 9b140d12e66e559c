#include "ui/CSCDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "core/CVXMemNode.h"
#include "core/Cp932.h"
#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "host/IPWObject.h"
#include "ui/CVXMemEditSC.h"
#include "ui/ListWindow.h"
#include "ui/Message.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"

CSCDialog::CSCDialog(IStepchain* action, QWidget* parent, DWORD limit)
    : QDialog(parent), m_action(action), m_limit(limit)
{
    m_scratch.SetOwnerObj(OwnerObject());
    m_copy = m_scratch.CreateSC(action->GetActionType());
    if (m_copy != nullptr) {
        m_copy->CopyPropertiesFrom(action);
        m_scratch.AddSC(m_copy);
    }
    OpenModuleWindow(this);
}

CSCDialog::~CSCDialog() { CloseModuleWindow(this); }

int CSCDialog::Exec(CSCDialog* dialog)
{
    QPointer<CSCDialog> guard(dialog);
    if (dialog->m_copy == nullptr) {
        delete dialog;
        return IDCANCEL;
    }
    dialog->LoadControls();
    const int result = dialog->exec();
    if (guard.isNull())
        return IDCANCEL;
    const bool confirmed = result == QDialog::Accepted;
    if (confirmed)
        dialog->m_action->CopyPropertiesFrom(dialog->m_copy);
    delete dialog;
    return confirmed ? IDOK : IDCANCEL;
}

IPWObject* CSCDialog::OwnerObject() const
{
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* list = dynamic_cast<IListWindow*>(w))
            return list->GetListOwner();
    }
    return nullptr;
}

std::string CSCDialog::OwnerName() const
{
    IPWObject* owner = OwnerObject();
    return owner != nullptr ? owner->GetObjectName() : std::string();
}

bool CSCDialog::PickMemory(CVXMemEditSC* edit, CVXMemNode& node, uint32_t filter)
{
    std::string text = node.m_name;
    if (node.m_kind == CVXMemNode::KIND_GRAPH || node.m_kind == CVXMemNode::KIND_TEXT)
        text += CVXMemNode::KindSuffix(node.m_kind);
    const std::string owner = OwnerName();
    const PickerRequest request{&text, &owner, filter, this};
    if (!host::RequestPicker(request, parentWidget()))
        return false;
    const char* graph = CVXMemNode::KindSuffix(CVXMemNode::KIND_GRAPH);
    const char* textKind = CVXMemNode::KindSuffix(CVXMemNode::KIND_TEXT);
    int kind = CVXMemNode::KIND_MEMORY;
    if (cp932::Contains(text, graph)) {
        kind = CVXMemNode::KIND_GRAPH;
        text = cp932::RemoveAll(text, graph);
    } else if (cp932::Contains(text, textKind)) {
        kind = CVXMemNode::KIND_TEXT;
        text = cp932::RemoveAll(text, textKind);
    }
    node.m_kind = kind;
    edit->setText(ui::FromCp932(text));
    // The host offered the name itself.
    edit->Accept();
    node.m_name = text;
    NotifyMemoryChosen(edit, node);
    return true;
}

bool CSCDialog::PickActionLink(std::string& text)
{
    std::string copy = text;
    if (copy.empty() && OwnerObject() != nullptr)
        copy = OwnerName() + "!";
    if (!host::RequestActionLink(this, &copy))
        return false;
    text = copy;
    return true;
}

void CSCDialog::NotifyMemoryChosen(CVXMemEditSC* edit, const CVXMemNode& node)
{
    OnMemoryChosen(edit, node);
}

intptr_t CSCDialog::OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t)
{
    if (msg == hostmsg::RENAME && wParam != 0) {
        const auto* record = reinterpret_cast<const RenameRecord*>(wParam);
        StoreControls();
        m_scratch.MemSync(record->oldName, record->newName);
        LoadControls();
    }
    return 0;
}

void CSCDialog::AddOperand(OperandEdit* operand) { m_operands.push_back(operand); }

void CSCDialog::SetNoAutoDefault(QWidget* root, QPushButton* defaultButton)
{
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(button == defaultButton);
    }
}

QHBoxLayout* CSCDialog::AddOkCancel(Txt cancelText)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_ok = new QPushButton(ui::Text(Txt::ButtonOk), this);
    m_cancel = new QPushButton(ui::Text(cancelText), this);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &CSCDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSCDialog::reject);
    SetNoAutoDefault(this, m_ok);
    return row;
}

bool CSCDialog::ReadText(QLineEdit* edit, std::string* out, bool dropHash)
{
    QString text = edit->text();
    if (dropHash && text.startsWith(u'#'))
        text.remove(0, 1);
    if (ui::ToCp932(text, out))
        return true;
    return Refuse(edit, ui::Text(Txt::TextNotCp932).replace(QLatin1String("%s"), ui::NotCp932(text)));
}

void CSCDialog::Warn(Txt message) { Warn(ui::Text(message)); }

void CSCDialog::Warn(const QString& message) { ui::ShowMessage(this, message); }

bool CSCDialog::Refuse(QWidget* field, Txt message) { return Refuse(field, ui::Text(message)); }

bool CSCDialog::Refuse(QWidget* field, const QString& message)
{
    Warn(message);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

void CSCDialog::accept()
{
    // A field the dialog has switched off or put away is not the user's to fix.
    for (CVXMemEditSC* edit : findChildren<CVXMemEditSC*>()) {
        if (!edit->isEnabled() || !edit->isVisibleTo(this))
            continue;
        if (!edit->CheckOnOk()) {
            edit->TakeFocusBack();
            return;
        }
    }
    for (OperandEdit* operand : m_operands) {
        std::string ignored;
        if (!ReadText(operand->Edit(), &ignored, true))
            return;
    }
    if (!CheckFields())
        return;
    StoreControls();
    QDialog::accept();
}

void CSCDialog::LoadControls()
{
    for (OperandEdit* operand : m_operands)
        operand->Load();
    LoadFields();
    for (CVXMemEditSC* edit : findChildren<CVXMemEditSC*>())
        edit->Accept();
}

void CSCDialog::StoreControls()
{
    for (OperandEdit* operand : m_operands)
        operand->Store();
    StoreFields();
}
