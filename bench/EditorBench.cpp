// The list editor on long lists: opening, and each command on 100 rows in
// the middle of 65,000, each with the repaint that shows its result. Qt runs
// on the offscreen platform.
#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

#include "BenchLists.h"
#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "ui/CStepchainDlg.h"
#include "ui/StepchainModel.h"

namespace {

constexpr size_t kLongList = 65000;
constexpr int kBlock = 100;
constexpr int kMiddle = 30000;

// Paints what a command changed, as the screen would show it next.
void Show(CStepchainDlg& editor)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(editor.grab());
}

void Select(CStepchainDlg& editor, int first, int last)
{
    const StepchainModel* model = editor.Model();
    QItemSelectionModel* selection = editor.Grid()->selectionModel();
    selection->setCurrentIndex(model->index(first, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->select(QItemSelection(model->index(first, 0), model->index(last, 1)),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

struct Editor {
    BenchHost host;
    CStepchainData source;
    std::unique_ptr<CStepchainDlg> editor;
    explicit Editor(size_t rows)
    {
        FillMixed(source, rows);
        editor = std::make_unique<CStepchainDlg>(&source, nullptr, 0, std::string());
        editor->show();
        Show(*editor);
    }
};

void OpenEditor(benchmark::State& state)
{
    BenchHost host;
    CStepchainData source;
    FillMixed(source, static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        CStepchainDlg editor(&source, nullptr, 0, std::string());
        editor.show();
        Show(editor);
    }
}
BENCHMARK(OpenEditor)->Arg(65535)->Unit(benchmark::kMillisecond);

using Command = void (CStepchainDlg::*)();

// An editor on the long list whose clipboard holds 100 of its rows.
struct EditorWithCopy : Editor {
    EditorWithCopy() : Editor(kLongList)
    {
        Select(*editor, kMiddle, kMiddle + kBlock - 1);
        editor->Copy();
    }
};

// Times `command` on rows first..last and its repaint; the undo that puts
// the list back for the next round is not timed.
void TimeCommand(benchmark::State& state, Editor& e, Command command, int first, int last)
{
    for (auto _ : state) {
        state.PauseTiming();
        Select(*e.editor, first, last);
        state.ResumeTiming();
        (e.editor.get()->*command)();
        Show(*e.editor);
        state.PauseTiming();
        e.editor->Undo();
        state.ResumeTiming();
    }
}

// Times the undo of `command` on rows first..last, and its repaint.
void TimeUndo(benchmark::State& state, Editor& e, Command command, int first, int last)
{
    for (auto _ : state) {
        state.PauseTiming();
        Select(*e.editor, first, last);
        (e.editor.get()->*command)();
        Show(*e.editor);
        state.ResumeTiming();
        e.editor->Undo();
        Show(*e.editor);
    }
}

// The block moves one row higher; the untimed undo moves it back down.
void MoveUp100(benchmark::State& state)
{
    Editor e(kLongList);
    TimeCommand(state, e, &CStepchainDlg::MoveUp, kMiddle, kMiddle + kBlock - 1);
}
BENCHMARK(MoveUp100)->Unit(benchmark::kMillisecond);

void Copy100(benchmark::State& state)
{
    Editor e(kLongList);
    Select(*e.editor, kMiddle, kMiddle + kBlock - 1);
    for (auto _ : state) {
        e.editor->Copy();
        Show(*e.editor);
    }
}
BENCHMARK(Copy100)->Unit(benchmark::kMillisecond);

void Cut100(benchmark::State& state)
{
    Editor e(kLongList);
    TimeCommand(state, e, &CStepchainDlg::Cut, kMiddle, kMiddle + kBlock - 1);
}
BENCHMARK(Cut100)->Unit(benchmark::kMillisecond);

void Paste100(benchmark::State& state)
{
    EditorWithCopy e;
    TimeCommand(state, e, &CStepchainDlg::Paste, kMiddle, kMiddle);
}
BENCHMARK(Paste100)->Unit(benchmark::kMillisecond);

void Insert(benchmark::State& state)
{
    Editor e(kLongList);
    TimeCommand(state, e, &CStepchainDlg::Insert, kMiddle, kMiddle);
}
BENCHMARK(Insert)->Unit(benchmark::kMillisecond);

// Undo of a paste of 100 rows: they leave again, and the list is repainted.
void UndoPaste100(benchmark::State& state)
{
    EditorWithCopy e;
    TimeUndo(state, e, &CStepchainDlg::Paste, kMiddle, kMiddle);
}
BENCHMARK(UndoPaste100)->Unit(benchmark::kMillisecond);

// Undo of a cut of 100 rows: they come back from their stored bytes.
void UndoCut100(benchmark::State& state)
{
    Editor e(kLongList);
    TimeUndo(state, e, &CStepchainDlg::Cut, kMiddle, kMiddle + kBlock - 1);
}
BENCHMARK(UndoCut100)->Unit(benchmark::kMillisecond);

// A repaint of a screen of labels and branches, each checked against the
// whole list of 65,000 rows.
void RepaintLabelsAndBranches(benchmark::State& state)
{
    BenchHost host;
    CStepchainData source;
    for (size_t i = 0; i < kLongList / 2; ++i) {
        const std::string name = "L" + std::to_string(i);
        auto* branch = static_cast<CSCBranch*>(source.CreateSC(SC_BRANCH));
        branch->Label = name;
        source.AddSC(branch);
        auto* label = static_cast<CSCLabel*>(source.CreateSC(SC_LABEL));
        label->m_name = name;
        source.AddSC(label);
    }
    CStepchainDlg editor(&source, nullptr, 0, std::string());
    editor.show();
    Select(editor, kMiddle, kMiddle);
    Show(editor);
    for (auto _ : state)
        Show(editor);
}
BENCHMARK(RepaintLabelsAndBranches)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
