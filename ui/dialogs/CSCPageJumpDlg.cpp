#include "ui/dialogs/CSCPageJumpDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "actions/CSCPageJump.h"
#include "host/HostApi.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/PageNumber.h"
#include "ui/UiText.h"

namespace {

enum Action { NEXT_PAGE = 0, PREVIOUS_PAGE = 1, GIVEN_PAGE = 2 };

constexpr int kEffectCount = 11;
constexpr uint32_t kPageFilter = 6;

QString U(const char8_t* text) { return QString::fromUtf8(text); }

}

CSCPageJumpDlg::CSCPageJumpDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_layers(host::HasLayers()),
      m_page(new OperandEdit(this, &CopyAs<CSCPageJump>()->m_page, kPageFilter, this)),
      m_layer(new QComboBox(this)), m_effect(new QComboBox(this))
{
    setWindowTitle(U(u8"ﾍﾟｰｼﾞ移動"));
    auto* group = new QGroupBox(U(u8"動作"), this);
    auto* buttons = new QHBoxLayout(group);
    const char8_t* names[] = {u8"次ページ", u8"前ページ", u8"指定ページ"};
    for (int i = 0; i < 3; ++i) {
        m_actions[i] = new QRadioButton(U(names[i]), group);
        buttons->addWidget(m_actions[i]);
        connect(m_actions[i], &QRadioButton::toggled, this, &CSCPageJumpDlg::UpdateEnabling);
    }

    if (m_layers) {
        m_layer->addItems({QStringLiteral("LAYER1"), QStringLiteral("LAYER2")});
        for (int i = 0; i < kEffectCount; ++i)
            m_effect->addItem(ui::Text(static_cast<Txt>(static_cast<int>(Txt::PageJumpEffectNone) + i)));
    }
    m_effect->setEnabled(m_layers);
    m_layer->setEnabled(false);
    m_page->setEnabled(false);

    auto* fields = new QFormLayout;
    fields->addRow(U(u8"ページ指定"), m_page);
    fields->addRow(U(u8"変更レイヤー"), m_layer);
    fields->addRow(U(u8"エフェクト"), m_effect);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(fields);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCPageJumpDlg::LoadFields()
{
    const auto* jump = CopyAs<CSCPageJump>();
    m_keptPage = jump->m_page;
    const uint32_t mode = static_cast<uint32_t>(jump->m_mode);
    int action = jump->m_mode;
    if (m_layers) {
        const bool chosen = jump->m_mode != -1;
        const int effect = static_cast<int>((mode >> 16) & 127u);
        m_layer->setCurrentIndex(chosen ? static_cast<int>(mode >> 31) : 0);
        // An effect beyond the table (a damaged project) falls back to none.
        m_effect->setCurrentIndex(chosen && effect < kEffectCount ? effect : 0);
        action = chosen ? static_cast<int>(mode & 0xFF) : -1;
    }
    for (int i = 0; i < 3; ++i) {
        if (action == i)
            m_actions[i]->setChecked(true);
    }
    if (action != GIVEN_PAGE)
        m_page->Edit()->clear();
    UpdateEnabling();
}

int CSCPageJumpDlg::CheckedAction() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_actions[i]->isChecked())
            return i;
    }
    return -1;
}

void CSCPageJumpDlg::UpdateEnabling()
{
    const int action = CheckedAction();
    m_page->setEnabled(action == GIVEN_PAGE);
    m_layer->setEnabled(action == GIVEN_PAGE && m_layers);
    // Next and previous count from layer 1's page; they cannot change layer 2.
    if (action == NEXT_PAGE || action == PREVIOUS_PAGE)
        m_layer->setCurrentIndex(0);
}

bool CSCPageJumpDlg::CheckFields()
{
    const int action = CheckedAction();
    if (action < 0) {
        Warn(U(u8"動作を選択してください"));
        return false;
    }
    if (action == GIVEN_PAGE) {
        QString page = m_page->Edit()->text();
        if (page.startsWith(u'#'))
            page.remove(0, 1);
        if (!page.isEmpty() && CVXMemEditSC::IsNumber(page) && !ui::ReadPageNumber(page))
            return Refuse(m_page->Edit(), ui::PageNumberRefused());
    }
    return true;
}

void CSCPageJumpDlg::StoreFields()
{
    auto* jump = CopyAs<CSCPageJump>();
    const int action = CheckedAction();
    if (action != GIVEN_PAGE)
        jump->m_page = m_keptPage;
    // Nothing chosen happens only while a rename reloads the fields; OK refuses it.
    if (action < 0)
        return;
    if (!m_layers) {
        jump->m_mode = action;
        return;
    }
    const auto layer = static_cast<uint32_t>(m_layer->currentIndex());
    const auto effect = static_cast<uint32_t>(m_effect->currentIndex());
    jump->m_mode = static_cast<int32_t>((((layer << 15) | effect) << 16) | static_cast<uint32_t>(action));
}
