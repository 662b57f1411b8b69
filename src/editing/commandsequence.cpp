// Several commands done as one: undone in the reverse order, named by the sequence's own texts.
#include "editing/commandsequence.h"

#include <numeric>

namespace tabrin::editing {
namespace {

ChangeKind kindsOf(const std::vector<std::unique_ptr<Command>>& steps) {
    return std::accumulate(
        steps.begin(), steps.end(), ChangeKind::None,
        [](ChangeKind kinds, const std::unique_ptr<Command>& step) { return kinds | step->kinds(); });
}

}  // namespace

CommandSequence::CommandSequence(CommandTexts texts, std::vector<std::unique_ptr<Command>> steps)
    : Command(std::move(texts), kindsOf(steps)), m_steps(std::move(steps)) {}

void CommandSequence::redo(model::Profile& profile) {
    for (const auto& step : m_steps) step->redo(profile);
}

void CommandSequence::undo(model::Profile& profile) {
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) (*step)->undo(profile);
}

std::vector<model::ObjectSerial> CommandSequence::touchedObjects(bool undone) const {
    std::vector<model::ObjectSerial> touched;
    for (const auto& step : m_steps) {
        const std::vector<model::ObjectSerial> objects = step->touchedObjects(undone);
        touched.insert(touched.end(), objects.begin(), objects.end());
    }
    return touched;
}

}  // namespace tabrin::editing
