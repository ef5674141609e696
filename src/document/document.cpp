#include "document/document.h"

#include <algorithm>

namespace kestrin::document {
namespace {

// Enough for a working session; the oldest steps go first.
constexpr std::size_t kMaxUndoSteps = 500;

}  // namespace

bool Document::editLabel(int index, const std::function<void(Label&)>& change, std::string_view mergeKey) {
    if (!page_.exists(index)) return false;
    Slot before = page_.copyOf(index);
    Label edited = *before;
    change(edited);
    if (edited == *before) return false;
    Step& step = openStep(mergeKey);
    record(step, index, before);
    page_.restore(index, std::move(edited));
    finish(step, {index});
    return true;
}

ChangedLabels Document::editPage(const std::function<void(LabelPage&)>& change, std::string_view mergeKey) {
    std::vector<Slot> before;
    before.reserve(kLabelIndexCount);
    for (int i = 0; i < kLabelIndexCount; ++i) before.push_back(page_.copyOf(i));
    const std::uint8_t highestBefore = page_.highestIndex();

    change(page_);

    ChangedLabels changed;
    for (int i = 0; i < kLabelIndexCount; ++i) {
        const Slot& was = before[static_cast<std::size_t>(i)];
        const bool differs = page_.exists(i) != was.has_value() || (was && !(page_.label(i) == *was));
        if (differs) changed.push_back(i);
    }
    if (changed.empty() && highestBefore == page_.highestIndex()) return changed;
    const bool fresh = !(mergeOpen_ && !undo_.empty() && !mergeKey.empty() && undo_.back().mergeKey == mergeKey);
    Step& step = openStep(mergeKey);
    if (fresh) step.highestBefore = highestBefore;
    for (const int i : changed) record(step, i, before[static_cast<std::size_t>(i)]);
    finish(step, changed);
    return changed;
}

void Document::nameDesign(int index, std::string kind, std::string name) {
    if (!page_.exists(index)) return;
    page_.label(index).kind = std::move(kind);
    page_.label(index).name = std::move(name);
}

bool Document::showPreview(const PictureLookup& pictures) {
    page_.删除所有标签(kPreviewLabel);
    const bool shown = page_.贴上条码格式(kPreviewLabel, pictures);
    announce({kPreviewLabel});
    return shown;
}

void Document::undo() {
    if (undo_.empty()) return;
    mergeOpen_ = false;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    const Step& step = redo_.back();
    apply(step.before, step.highestBefore);
    announce(keysOf(step.before));
}

void Document::redo() {
    if (redo_.empty()) return;
    mergeOpen_ = false;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    const Step& step = undo_.back();
    apply(step.after, step.highestAfter);
    announce(keysOf(step.after));
}

void Document::clearUndo() {
    undo_.clear();
    redo_.clear();
    mergeOpen_ = false;
}

int Document::subscribe(Listener listener) {
    const int id = nextListener_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void Document::unsubscribe(int id) { listeners_.erase(id); }

Document::Step& Document::openStep(std::string_view mergeKey) {
    redo_.clear();
    if (mergeOpen_ && !mergeKey.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey) {
        return undo_.back();
    }
    if (undo_.size() == kMaxUndoSteps) undo_.erase(undo_.begin());
    Step& step = undo_.emplace_back();
    step.mergeKey = mergeKey;
    step.highestBefore = page_.highestIndex();
    mergeOpen_ = !mergeKey.empty();
    return step;
}

void Document::record(Step& step, int index, const Slot& before) { step.before.try_emplace(index, before); }

void Document::finish(Step& step, const ChangedLabels& changed) {
    for (const int i : changed) step.after[i] = page_.copyOf(i);
    step.highestAfter = page_.highestIndex();
    announce(changed);
}

void Document::apply(const std::map<int, Slot>& slots, std::uint8_t highest) {
    for (const auto& [index, slot] : slots) page_.restore(index, slot);
    page_.restoreHighest(highest);
}

void Document::announce(const ChangedLabels& changed) {
    // A listener may subscribe or unsubscribe others while it runs: walk a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) listener(changed);
}

ChangedLabels Document::keysOf(const std::map<int, Slot>& slots) {
    ChangedLabels keys;
    for (const auto& [index, slot] : slots) keys.push_back(index);
    return keys;
}

}  // namespace kestrin::document
