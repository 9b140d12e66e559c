#include <QRadioButton>

#include "EditorSupport.h"
#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"
#include "dialogs/DialogDrive.h"
#include "ui/CSCLabelDlg.h"
#include "ui/dialogs/CSCActionLinkDlg.h"
#include "ui/dialogs/CSCBranchDlg.h"
#include "ui/dialogs/CSCCalcDlg.h"
#include "ui/dialogs/CSCCalcTimeDlg.h"
#include "ui/dialogs/CSCCallDlg.h"
#include "ui/dialogs/CSCCommDlg.h"
#include "ui/dialogs/CSCKeypadDlg.h"
#include "ui/dialogs/CSCOpeDlg.h"
#include "ui/dialogs/CSCPageJumpDlg.h"
#include "ui/dialogs/CSCPassPageDlg.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"
#include "ui/dialogs/CSCSetValueDlg.h"
#include "ui/dialogs/CSCStringDlg.h"

namespace {
// A kind: what the user fills in its dialog, and the same settings given to an action directly.
struct KindCase {
    int type;
    std::function<void(QDialog&)> fill;
    std::function<void(IStepchain&)> set;
};

template <class D, class A>
KindCase Kind(int type, std::function<void(D&)> fill, std::function<void(A&)> set)
{
    return {type, [fill](QDialog& d) { fill(static_cast<D&>(d)); }, [set](IStepchain& a) { set(static_cast<A&>(a)); }};
}

const std::vector<KindCase> kKinds = {
    Kind<CSCPageJumpDlg, CSCPageJump>(SC_PAGEJUMP, [](auto& d) {
        d.ActionButton(2)->click();
        Type(d.Page(), "#7");
        d.LayerList()->setCurrentIndex(1);
        d.EffectList()->setCurrentIndex(10);
    }, [](auto& a) { a.m_mode = INT32_MIN | 10 << 16 | 2, a.m_page.m_name = "7"; }),
    Kind<CSCPassPageDlg, CSCPassPage>(SC_PASSPAGE, [](auto& d) {
        d.JumpPageEdit()->setText("7");
        d.PasswordEdit()->setText("1234");
        d.KeypadPageEdit()->setText("3");
    }, [](auto& a) { a.m_jumpPage = 7, a.m_password = "1234", a.m_keypadPage = 3; }),
    Kind<CSCCallDlg, CSCCall>(SC_CALL, [](auto& d) { d.RoutineBox()->setEditText(U("計算 1")); },
                              [](auto& a) { a.m_routine = Sj("計算 1"); }),
    Kind<CSCActionLinkDlg, CSCActionLink>(SC_ACTIONLINK, [](auto& d) { d.ChooseButton()->click(); },
                                          [](auto& a) { a.m_target = "PLC1!Btn2!Push"; }),
    Kind<CSCSetValueDlg, CSCSetValue>(SC_SETVALUE, [](auto& d) {
        Type(d.m_dest, "W1");
        Type(d.m_value, "#10");
    }, [](auto& a) { a.Dest.m_name = "W1", a.Source.m_name = "10"; }),
    Kind<CSCCalcDlg, CSCCalc>(SC_CALC, [](auto& d) {
        Type(d.m_dest, "W1");
        Type(d.m_delta, "#-2");
        d.m_repeat.m_autoRepeat->setChecked(true);
    }, [](auto& a) { a.Dest.m_name = "W1", a.Delta.m_name = "-2", a.AutoRepeat = 1; }),
    Kind<CSCCalcTimeDlg, CSCCalcTime>(SC_CALCTIME, [](auto& d) {
        Type(d.m_hour, "W0");
        Type(d.m_minute, "W1");
        Type(d.m_delta, "#15");
    }, [](auto& a) { a.Hour.m_name = "W0", a.Minute.m_name = "W1", a.Delta.m_name = "15"; }),
    Kind<CSCOpeDlg, CSCOpe>(SC_OPE, [](auto& d) {
        Type(d.m_result, "W0");
        Type(d.m_left, "W1");
        Type(d.m_right, "#3");
        d.m_operator->setCurrentIndex(2);
    }, [](auto& a) { a.Result.m_name = "W0", a.Left.m_name = "W1", a.Right.m_name = "3", a.Operator = 2; }),
    Kind<CSCBranchDlg, CSCBranch>(SC_BRANCH, [](auto& d) {
        d.m_condition->setCurrentIndex(1);
        Type(d.m_subject, "W0");
        Type(d.m_reference, "#5");
        d.m_label->setText("L1");
    }, [](auto& a) { a.Condition = 1, a.Subject.m_name = "W0", a.Reference.m_name = "#5", a.Label = "L1"; }),
    Kind<CSCSetGraphMemDlg, CSCSetGraphMem>(SC_SETGRAPHMEM, [](auto& d) {
        Type(d.m_graphMem, "GR1");
        Type(d.m_position, "#3");
        Type(d.m_value, "W0");
    }, [](auto& a) { a.GraphMem.m_name = "GR1", a.Position.m_name = "3", a.Value.m_name = "W0"; }),
    Kind<CSCKeypadDlg, CSCKeypad>(SC_KEYPAD, [](auto& d) {
        Type(d.dest, "W1");
        d.totalDigits->setText("7");
        d.keyPage->setText("12");
    }, [](auto& a) { a.Dest.m_name = "W1", a.TotalDigits = 7, a.KeyPage = 12; }),
    Kind<CSCStringDlg, CSCString>(SC_STRING, [](auto& d) {
        Type(d.target, "TXT1");
        d.Radio(CSCString::OP_SET_TEXT)->click();
        d.text->setText("AB");
    }, [](auto& a) { a.Target.m_name = "TXT1", a.Operation = CSCString::OP_SET_TEXT, a.Text = "AB"; }),
    Kind<CSCCommDlg, CSCComm>(SC_COMM, [](auto& d) { Type(d.content, "HELLO"); },
                              [](auto& a) { a.Content.m_name = "HELLO"; }),
    Kind<CSCLabelDlg, CSCLabel>(SC_LABEL, [](auto& d) { d.NameEdit()->setText("LOOP"); },
                                [](auto& a) { a.m_name = "LOOP"; }),
};
}

// Each kind from the editor: chosen in the kind list of an empty list, its
// dialog filled and confirmed, then the editor confirmed. The row shows, and
// the list stores, what an action of that kind given the same settings does.
class EditorKindsTest : public QObject {
    Q_OBJECT
private slots:
    void everyKindFromTheEditor()
    {
        for (const KindCase& kind : kKinds) {
            UiTestHost host;
            host.layers = true;
            host.memories = {{"W0", 0}, {"W1", 0}, {"GR1", 1}, {"TXT1", 2}};
            host.linkAnswer = 1;
            host.linkChoice = "PLC1!Btn2!Push";
            CStepchainData source;
            QString shown;
            WhenModal([&](QDialog* dialog) {
                auto* editor = static_cast<CStepchainDlg*>(dialog);
                WhenModal([&](QDialog* settings) {
                    kind.fill(*settings);
                    static_cast<CSCDialog*>(settings)->OkButton()->click();
                });
                ChooseKind(*editor, 0, kind.type);
                shown = Cell(*editor, 0, StepchainModel::DetailColumn);
                editor->OkButton()->click();
            });
            QCOMPARE(source.Edit(nullptr, 0, ""), IDOK);
            CStepchainData expected;
            IStepchain* action = expected.CreateSC(kind.type);
            kind.set(*action);
            expected.AddSC(action);
            const QString type = QString::number(kind.type) + ' ';
            QCOMPARE(type + shown, type + StepchainModel::DisplayCaption(action));
            QCOMPARE(type + ListHex(source).c_str(), type + ListHex(expected).c_str());
        }
    }
};

UI_TEST_CLASS(EditorKindsTest);

#include "EditorKindsTest.moc"
