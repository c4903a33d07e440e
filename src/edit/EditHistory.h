// EditHistory.h — the undo history of the records: each step keeps the records one edit changed,
// as they were before and after it, so that undo puts them back and redo applies them again.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelpie {

struct EditContext;
struct RadioData;
struct ShellState;

// What a step is called ("LMR 7 RX frequency") and the tree key of the page it was made on.
struct StepLabel
{
    std::string caption;
    std::string pageKey;

    bool operator==(const StepLabel&) const = default;
};

// The records one step changed, before and after; defined with the history.
struct StepRecords;

// The history of one RadioData. The window owns it and puts it in ShellState::History; every
// edit of the edit layer then becomes a step. Whole-data operations (New, Open, a read, a hex
// load) empty it.
//
// The saved state is taken from DataChanged: whenever the history is used while DataChanged is
// clear, the records as they stand are the saved (or loaded) ones. Undo or redo back to that state
// clears DataChanged; any other undo or redo sets it.
class EditHistory
{
public:
    static constexpr std::size_t kStepLimit = 200;

    explicit EditHistory(std::size_t limit = kStepLimit);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // The label of the step Undo would take back and Redo would apply again.
    std::optional<StepLabel> NextUndo() const;
    std::optional<StepLabel> NextRedo() const;
    std::size_t UndoCount() const;
    std::size_t RedoCount() const;

    // The records of the last step back as they were before it, or those of the next step as they
    // were after it; the step's label, nothing when there was no step (or the shell is busy).
    std::optional<StepLabel> Undo(EditContext& ctx);
    std::optional<StepLabel> Redo(EditContext& ctx);

    void Clear();

    // The page the window shows: a step opened without a label of its own is named after it.
    void SetPageInView(StepLabel page) { m_pageInView = std::move(page); }
    // Called whenever a step is added, undone, applied again or the history emptied, so that the
    // window's Undo and Redo entries and its modified mark follow at once.
    void OnChange(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    friend class EditStep;
    struct Step;

    void NoteSavedState(const ShellState& shell);
    // A finished step; with a merge key equal to the last step's, the two become one.
    void Add(StepLabel label, const std::string& mergeKey, StepRecords records);
    std::optional<StepLabel> Move(EditContext& ctx, bool redo);
    void Changed() const;

    std::size_t m_limit;
    std::vector<Step> m_steps;
    std::size_t m_position = 0;             // steps before it are done, from it on undone
    std::optional<std::size_t> m_saved{0};  // the position of the saved records; none when dropped
    std::string m_openMerge;                // the merge key the last step may still take more of
    int m_depth = 0;                        // open EditSteps; only the outermost one records
    StepLabel m_pageInView;
    std::function<void()> m_changed;
};

// The records were replaced as a whole (New, Open, a read, a hex load): no step of the shell's
// history applies to them any more.
void DataReplaced(ShellState& shell);

// One step of the history: every change to ctx.data between its construction and its end is
// recorded as one step named `label`. Operations made of several edits (a multi-row grid change,
// a paste, an import) wrap their mutation in one EditStep and become one undo step:
//
//     EditStep step(ctx, {"Paste 3 channels", "ExpChannel"});
//     for (...) SetChannelEnable(ctx, ...);   // the edits' own steps are part of this one
//
// Steps opened inside an open step are part of it. A step that changed nothing is not recorded.
// Without a history in ctx.shell (the command line, the core tests) nothing is kept. A step with
// a merge key joins the step before it when that one has the same key (typing in one box), until
// EndMerge. An empty caption names the step after the page in view.
class EditStep
{
public:
    EditStep(EditContext& ctx, StepLabel label, std::string mergeKey = {});
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

    // The box's input is finished: the next step with this key is a step of its own.
    static void EndMerge(const ShellState& shell);

private:
    EditContext& m_ctx;
    EditHistory* m_history = nullptr;  // only for the outermost step
    StepLabel m_label;
    std::string m_mergeKey;
    std::unique_ptr<RadioData> m_before;
};

}  // namespace kelpie
