#include "EditorSupport.h"
#include "dialogs/DialogDrive.h"

// Each kind from the editor: chosen in the kind list of an empty list, its
// settings dialog shows its title, OK as the default button, and each memory field as
// "filter/m_refuseNumber/m_kindMask"; every field shown and enabled takes
// "M<n>" in turn before OK. After the editor's OK the list holds the action,
// whose caption tells where each name went; a refused OK shows its message.
class EditorKindsTest : public QObject {
    Q_OBJECT
private slots:
    void everyKindFromTheEditor()
    {
        for (const auto& [type, shown] : Rows<int, const char*>{
            {SC_PAGEJUMP, "ﾍﾟｰｼﾞ移動 6/0/1 = 動作を選択してください"},
            {SC_SETVALUE, "値ｾｯﾄ 6/1/1 6/0/1 = M0へM1を書込み\n"},
            {SC_CALC, "加減算 6/1/1 6/0/1 6/0/1 6/0/1 = M0にM1を加算"},
            {SC_CALCTIME, "時刻加減算 6/1/1 6/1/1 6/0/1 6/0/1 6/0/1 = 時 (M0):分(M1)をM2(分)加算"},
            {SC_COMM, "通信出力 1073741828/0/1 = メッセージを出力:'M0'"},
            {SC_PASSPAGE, "認証つきページジャンプ = !入力にエラーがあります"},
            {SC_KEYPAD, "キーパッド呼出 1073741828/1/3 6/0/1 6/0/1 6/0/1 = !入力にエラーがあります"},
            {SC_OPE, "算術演算 6/1/1 6/0/1 6/0/1 = !入力にエラーがあります"},
            {SC_CALL, "サブルーチン呼び出し = !入力にエラーがあります"},
            {SC_ACTIONLINK, "アクションリンクの設定 = !入力にエラーがあります"},
            {SC_STRING, "文字操作 5/1/2 5/0/1 = !入力にエラーがあります"},
            {SC_SETGRAPHMEM, "グラフメモリーアクセス 3/1/4 6/0/1 6/0/1 = M0[位置指定:M1]M2 を書き込み\n"},
            {SC_LABEL, "分岐ラベル = !入力にエラーがあります"},
            {SC_BRANCH, "条件分岐 6/1/1 6/0/1 = !入力にエラーがあります"}}) {
            UiTestHost host;
            host.layers = true;
            CStepchainData source;
            MessageLog log;
            QString seen;
            WhenModal([&](QDialog* editor) {
                WhenModal([&](QDialog* settings) {
                    seen = settings->windowTitle();
                    int typed = 0;
                    for (OperandEdit* field : settings->findChildren<OperandEdit*>()) {
                        CVXMemEditSC* edit = field->Edit();
                        seen += QString(" %1/%2/%3").arg(field->Filter()).arg(edit->m_refuseNumber).arg(edit->m_kindMask);
                        if (edit->isEnabled() && edit->isVisibleTo(settings))
                            edit->setText(QString("M%1").arg(typed++));
                    }
                    QPushButton* ok = static_cast<CSCDialog*>(settings)->OkButton();
                    QVERIFY(ok->isDefault());
                    ok->click();
                });
                ChooseKind(*static_cast<CStepchainDlg*>(editor), 0, type);
                editor->accept();
            });
            QCOMPARE(source.Edit(nullptr, 0, ""), IDOK);
            const QString refusal = QStringList(log.texts.begin(), log.texts.end()).join('|');
            seen += " = " + (source.GetCount() == 1 ? Caption(source.GetAt(0)) : refusal);
            QCOMPARE(seen, U(shown));
        }
    }
};

UI_TEST_CLASS(EditorKindsTest);

#include "EditorKindsTest.moc"
