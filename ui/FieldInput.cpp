#include "ui/FieldInput.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <limits>

#include "ui/CSCDialog.h"
#include "ui/UiText.h"

namespace ui {

QLineEdit* MakeDigitEdit(QWidget* parent, int maxDigits)
{
    auto* edit = new QLineEdit(parent);
    const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(maxDigits));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(u'0') * (maxDigits + 2) + 16);
    return edit;
}

int32_t LeadingNumber(const QString& text)
{
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = std::min(value * 10 + (c.unicode() - u'0'), kMax);
    }
    return static_cast<int32_t>(value);
}

bool HasLineControl(std::string_view cp932) { return cp932.find_first_of("\n\r\t") != std::string_view::npos; }

bool HasLineControl(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

void KeptText::Load(QLineEdit* edit, const std::string& stored)
{
    m_edit = edit;
    m_stored = stored;
    m_shown = FromCp932(stored);
    m_edit->setText(m_shown);
}

bool KeptText::Touched() const { return m_edit->text() != m_shown; }

bool KeptText::Read(CSCDialog* dialog, std::string* out) const
{
    if (!Touched()) {
        *out = m_stored;
        return true;
    }
    if (dialog != nullptr)
        return dialog->ReadText(m_edit, out);
    return ToCp932(m_edit->text(), out);
}

}
