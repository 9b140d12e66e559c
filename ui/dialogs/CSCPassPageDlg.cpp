#include "ui/dialogs/CSCPassPageDlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "actions/CSCPassPage.h"
#include "ui/PageNumber.h"
#include "ui/UiText.h"

namespace {

QString U(const char8_t* text) { return QString::fromUtf8(text); }

// Eight digits at most, as the panel's password keypad takes them. The limit
// is the validator's and not a maximum length, which would cut a longer stored
// password as it is shown; such a password is refused on OK instead.
const QRegularExpression& PasswordForm()
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{0,8}")));
    return form;
}

QLineEdit* PageEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

}

CSCPassPageDlg::CSCPassPageDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_password(new QLineEdit(this)), m_jumpPage(PageEdit(this)),
      m_keypadPage(PageEdit(this))
{
    setWindowTitle(U(u8"認証つきページジャンプ"));
    m_password->setValidator(new QRegularExpressionValidator(PasswordForm(), m_password));
    auto* fields = new QFormLayout;
    fields->addRow(new QLabel(U(u8"パスワード\n※数字のみ最大8文字"), this), m_password);
    fields->addRow(U(u8"移動先"), m_jumpPage);
    fields->addRow(U(u8"キーパッド配置ページ"), m_keypadPage);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCPassPageDlg::LoadFields()
{
    const auto* pass = CopyAs<CSCPassPage>();
    m_password->setText(ui::FromCp932(pass->m_password));
    m_jumpPage->setText(QString::number(pass->m_jumpPage));
    m_keypadPage->setText(QString::number(pass->m_keypadPage));
}

bool CSCPassPageDlg::CheckFields()
{
    // A negative page or a password other than eight digits can only come
    // from a damaged project: it is shown as stored, and refused here.
    if (!ui::ReadPageNumber(m_jumpPage->text()))
        return Refuse(m_jumpPage, ui::PageNumberRefused());
    if (!PasswordForm().match(m_password->text()).hasMatch())
        return Refuse(m_password, U(u8"パスワードは8文字以内の数字で指定してください"));
    if (!ui::ReadPageNumber(m_keypadPage->text()))
        return Refuse(m_keypadPage, ui::PageNumberRefused());
    return true;
}

void CSCPassPageDlg::StoreFields()
{
    auto* pass = CopyAs<CSCPassPage>();
    pass->m_jumpPage = ui::ReadPageNumber(m_jumpPage->text()).value_or(0);
    pass->m_password = m_password->text().toStdString();
    pass->m_keypadPage = ui::ReadPageNumber(m_keypadPage->text()).value_or(0);
}
