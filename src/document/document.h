#pragma once
// The label document: the page of labels and the one place that changes it. Every change a
// user makes is an edit applied here; the document keeps the undo and redo steps and tells its
// listeners which labels an edit, an undo or a redo changed, so that views redraw from that
// and never hold on to a label that may be gone.
//
// A step keeps copies of the labels it changed, before and after: a label is a small value,
// and a copy is simpler and safer than an inverse operation for every kind of change.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/label_page.h"

namespace kestrin::document {

// The labels that an edit, an undo or a redo changed (created and removed ones included), in
// index order.
using ChangedLabels = std::vector<int>;

class Document {
public:
    using Listener = std::function<void(const ChangedLabels&)>;

    const LabelPage& page() const { return page_; }
    bool exists(int index) const { return page_.exists(index); }
    const Label& label(int index) const { return page_.label(index); }

    // Changes one existing label (nothing when it does not exist). Edits that carry the same
    // non-empty merge key follow one another into one undo step until endMerge(): a whole drag,
    // or typing in one box until it loses focus. Returns whether the label changed.
    bool editLabel(int index, const std::function<void(Label&)>& change, std::string_view mergeKey = {});
    // Changes anything on the page: creating and deleting labels, arranging, generating. The
    // labels that differ afterwards make the step. Returns them.
    ChangedLabels editPage(const std::function<void(LabelPage&)>& change, std::string_view mergeKey = {});
    // Closes the step that edits with a merge key are gathering into.
    void endMerge() { mergeOpen_ = false; }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();
    // Forgets every step: a document that has just been loaded has nothing to undo.
    void clearUndo();

    // What the user has picked and where the pointer went: not part of any step.
    Selection& selection() { return page_.selection; }
    const Selection& selection() const { return page_.selection; }
    // The paste memory holds a design being copied; it is not part of the page's undo.
    const std::vector<LayoutRecord>& pasteMemory() const { return page_.pasteMemory(); }
    void setPasteMemory(std::vector<LayoutRecord> records) { page_.setPasteMemory(std::move(records)); }
    void 写入贴上记忆(int index) { page_.写入贴上记忆(index); }
    // The kind and name a label's design was last stored under. Storing is a file operation
    // that undo does not take back, so the label's note of it makes no undo step either.
    void nameDesign(int index, std::string kind, std::string name);
    // Shows the paste memory on the preview label 999 in place of what it showed. The preview
    // is a look at a stored design, not a change of the user's page: it makes no undo step.
    // False when the design's label record cannot be read (the preview is then left empty).
    bool showPreview(const PictureLookup& pictures);

    // Listeners are called after every change, in the order they subscribed.
    int subscribe(Listener listener);
    void unsubscribe(int id);

private:
    using Slot = std::optional<Label>;
    struct Step {
        std::map<int, Slot> before;
        std::map<int, Slot> after;
        std::uint8_t highestBefore = 0;
        std::uint8_t highestAfter = 0;
        std::string mergeKey;
    };

    Step& openStep(std::string_view mergeKey);
    void record(Step& step, int index, const Slot& before);
    void finish(Step& step, const ChangedLabels& changed);
    void apply(const std::map<int, Slot>& slots, std::uint8_t highest);
    void announce(const ChangedLabels& changed);
    static ChangedLabels keysOf(const std::map<int, Slot>& slots);

    LabelPage page_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool mergeOpen_ = false;
    std::map<int, Listener> listeners_;
    int nextListener_ = 0;
};

}  // namespace kestrin::document
