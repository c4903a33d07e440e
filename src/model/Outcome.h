// Outcome.h — how a file or radio command ended: done, cancelled or failed, what the user is still
// to be told, and the values a load did not take. Every command's headless half returns one; the
// window and kelpie-cli show it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelpie {

enum class OutcomeKind {
    Done,
    Cancelled,
    Failed
};

struct [[nodiscard]] Outcome
{
    OutcomeKind Kind = OutcomeKind::Done;
    // What the user is still to be told; empty when there is nothing more to say (a box the
    // command's procedures showed on their way is not repeated here).
    std::string Message;
    // Each value a load left out as "[SECTION] KEY=value"; its field kept the value it had.
    std::vector<std::string> NotTaken;
    // A radio command that met a radio of another model: that model's index; -1 otherwise.
    int RadioModel = -1;

    static Outcome Done(std::string message = {}) { return {OutcomeKind::Done, std::move(message), {}}; }
    static Outcome Cancelled(std::string message = {})
    {
        return {OutcomeKind::Cancelled, std::move(message), {}};
    }
    static Outcome Failed(std::string message = {}) { return {OutcomeKind::Failed, std::move(message), {}}; }

    bool IsDone() const { return Kind == OutcomeKind::Done; }
    // Done, with nothing to tell: the window shows nothing.
    bool IsPlainSuccess() const { return IsDone() && Message.empty() && NotTaken.empty(); }
};

// The values not taken as the user reads them: a line naming what happened, then one value a
// line. Empty when every value was taken.
std::string NotTakenText(const Outcome& outcome);

}  // namespace kelpie
