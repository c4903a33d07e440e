// EditHistory.cpp — steps kept as the changed records of each part of the data.
#include "edit/EditHistory.h"

#include <algorithm>
#include <span>
#include <tuple>

#include "edit/EditContext.h"

namespace kelpie {

namespace {

// Every part of the data as a list of records: a bank or an array record by record, anything else
// as a list of one.
template <typename T>
std::span<T> RecordsOf(T& single)
{
    return {&single, 1};
}
template <typename T>
std::span<T> RecordsOf(std::vector<T>& list)
{
    return list;
}
template <typename T, std::size_t N>
std::span<T> RecordsOf(std::array<T, N>& list)
{
    return list;
}

// The records of one part that a step changed, each before and after.
template <auto Member>
struct PartChanges
{
    using Record = typename decltype(RecordsOf(std::declval<RadioData&>().*Member))::element_type;
    struct Change
    {
        std::size_t element;
        Record before;
        Record after;
    };
    std::vector<Change> changes;

    static std::span<Record> Records(RadioData& data) { return RecordsOf(data.*Member); }

    void Diff(RadioData& before, RadioData& after)
    {
        const std::span<Record> was = Records(before);
        const std::span<Record> now = Records(after);
        for (std::size_t i = 0; i < std::min(was.size(), now.size()); ++i) {
            if (!(was[i] == now[i])) {
                changes.push_back({i, was[i], now[i]});
            }
        }
    }

    void Put(RadioData& data, bool after) const
    {
        const std::span<Record> records = Records(data);
        for (const Change& change : changes) {
            records[change.element] = after ? change.after : change.before;
        }
    }

    // The later step's changes on top of these: a record changed by both keeps its first before.
    void Merge(PartChanges&& later)
    {
        for (Change& change : later.changes) {
            const auto same = std::find_if(changes.begin(), changes.end(),
                                           [&](const Change& c) { return c.element == change.element; });
            if (same == changes.end()) {
                changes.push_back(std::move(change));
            } else {
                same->after = std::move(change.after);
            }
        }
        std::erase_if(changes, [](const Change& c) { return c.before == c.after; });
    }
};

}  // namespace

struct StepRecords
{
    std::tuple<PartChanges<&RadioData::RadioImage>, PartChanges<&RadioData::ImageLastAddress>,
               PartChanges<&RadioData::ModelIndex>, PartChanges<&RadioData::UsaChannels>,
               PartChanges<&RadioData::IntlChannels>, PartChanges<&RadioData::CanadaChannels>,
               PartChanges<&RadioData::WxChannels>, PartChanges<&RadioData::ExpChannels>,
               PartChanges<&RadioData::UsableGroups>, PartChanges<&RadioData::CommonSetup>,
               PartChanges<&RadioData::DscBasicSetup>, PartChanges<&RadioData::DscAdvancedSetup>,
               PartChanges<&RadioData::DscDisplaySetup>, PartChanges<&RadioData::AtisCommonSetup>,
               PartChanges<&RadioData::AtisCallSigns>, PartChanges<&RadioData::IndividualDirectory>,
               PartChanges<&RadioData::GroupDirectory>, PartChanges<&RadioData::EntriesAsLoaded>>
        parts;

    void Diff(RadioData& before, RadioData& after)
    {
        std::apply([&](auto&... part) { (part.Diff(before, after), ...); }, parts);
    }
    void Put(RadioData& data, bool after) const
    {
        std::apply([&](const auto&... part) { (part.Put(data, after), ...); }, parts);
    }
    void Merge(StepRecords&& later)
    {
        [&]<std::size_t... I>(std::index_sequence<I...>)
        {
            (std::get<I>(parts).Merge(std::move(std::get<I>(later.parts))), ...);
        }
        (std::make_index_sequence<std::tuple_size_v<decltype(parts)>>{});
    }
    bool Empty() const
    {
        return std::apply([](const auto&... part) { return (part.changes.empty() && ...); }, parts);
    }
};

struct EditHistory::Step
{
    StepLabel label;
    StepRecords records;
};

EditHistory::EditHistory(std::size_t limit) : m_limit(std::max<std::size_t>(limit, 1)) {}

EditHistory::~EditHistory() = default;

std::size_t EditHistory::UndoCount() const
{
    return m_position;
}

std::size_t EditHistory::RedoCount() const
{
    return m_steps.size() - m_position;
}

std::optional<StepLabel> EditHistory::NextUndo() const
{
    return m_position == 0 ? std::nullopt : std::optional(m_steps[m_position - 1].label);
}

std::optional<StepLabel> EditHistory::NextRedo() const
{
    return m_position == m_steps.size() ? std::nullopt : std::optional(m_steps[m_position].label);
}

std::optional<StepLabel> EditHistory::Undo(EditContext& ctx)
{
    return Move(ctx, false);
}

std::optional<StepLabel> EditHistory::Redo(EditContext& ctx)
{
    return Move(ctx, true);
}

void EditHistory::Clear()
{
    m_steps.clear();
    m_position = 0;
    m_saved = 0;
    m_openMerge.clear();
    Changed();
}

void EditHistory::Changed() const
{
    if (m_changed) {
        m_changed();
    }
}

void EditHistory::NoteSavedState(const ShellState& shell)
{
    if (!shell.DataChanged) {
        m_saved = m_position;
    }
}

void EditHistory::Add(StepLabel label, const std::string& mergeKey, StepRecords records)
{
    if (records.Empty()) {
        return;
    }
    // Typing on in the same box extends its step, unless the records were saved in between.
    if (!mergeKey.empty() && mergeKey == m_openMerge && m_position == m_steps.size() && m_position > 0 &&
        m_saved != m_position) {
        m_steps.back().records.Merge(std::move(records));
        if (m_steps.back().records.Empty()) {
            m_steps.pop_back();
            --m_position;
            m_openMerge.clear();
        }
        Changed();
        return;
    }
    // A new step after undoing: the undone steps can no longer be applied again.
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_position), m_steps.end());
    if (m_saved && *m_saved > m_position) {
        m_saved.reset();
    }
    m_steps.push_back({std::move(label), std::move(records)});
    ++m_position;
    m_openMerge = mergeKey;
    if (m_steps.size() > m_limit) {
        m_steps.erase(m_steps.begin());
        --m_position;
        m_saved = m_saved && *m_saved > 0 ? std::optional(*m_saved - 1) : std::nullopt;
    }
    Changed();
}

std::optional<StepLabel> EditHistory::Move(EditContext& ctx, bool redo)
{
    if (ctx.shell.BusyFlag) {
        return std::nullopt;
    }
    NoteSavedState(ctx.shell);
    if (redo ? m_position == m_steps.size() : m_position == 0) {
        return std::nullopt;
    }
    const Step& step = m_steps[redo ? m_position : m_position - 1];
    step.records.Put(ctx.data, redo);
    m_position = redo ? m_position + 1 : m_position - 1;
    m_openMerge.clear();
    ctx.shell.DataChanged = m_saved != m_position;
    Changed();
    return step.label;
}

void DataReplaced(ShellState& shell)
{
    if (shell.History != nullptr) {
        shell.History->Clear();
    }
}

EditStep::EditStep(EditContext& ctx, StepLabel label, std::string mergeKey)
    : m_ctx(ctx), m_label(std::move(label)), m_mergeKey(std::move(mergeKey))
{
    // While the shell is busy the controls' events are no edits.
    if (ctx.shell.History == nullptr || ctx.shell.BusyFlag) {
        return;
    }
    m_history = ctx.shell.History;
    if (m_history->m_depth++ == 0) {
        m_history->NoteSavedState(ctx.shell);
        m_before = std::make_unique<RadioData>(ctx.data);
    }
}

EditStep::~EditStep()
{
    if (m_history == nullptr) {
        return;
    }
    --m_history->m_depth;
    if (!m_before) {
        return;
    }
    StepRecords records;
    records.Diff(*m_before, m_ctx.data);
    StepLabel label = std::move(m_label);
    if (label.caption.empty()) {
        label.caption = m_history->m_pageInView.caption;
    }
    if (label.pageKey.empty()) {
        label.pageKey = m_history->m_pageInView.pageKey;
    }
    m_history->Add(std::move(label), m_mergeKey, std::move(records));
}

void EditStep::EndMerge(const ShellState& shell)
{
    if (shell.History != nullptr) {
        shell.History->m_openMerge.clear();
    }
}

}  // namespace kelpie
