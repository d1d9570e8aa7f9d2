#pragma once

#include <functional>
#include <memory>

namespace tarvik {

// A dialog of the game that is made at start, in its place among the others,
// but builds its window only when it is first wanted: most runs never show
// most dialogs, and building them all made the start noticeably slower. Every
// dialog takes its texts from the tongue each time it is shown, and copies the
// main window's icon, which never changes, so a late build shows the same.
template <class Dialog>
class LazyDialog {
public:
    using Builder = std::function<std::unique_ptr<Dialog>()>;

    LazyDialog() = default;
    explicit LazyDialog(Builder build) : build_(std::move(build)) {}

    Dialog& operator*()
    {
        if (!dialog_)
            dialog_ = build_();
        return *dialog_;
    }
    Dialog* operator->() { return &**this; }

    bool built() const { return dialog_ != nullptr; }
    void reset() { dialog_.reset(); }

private:
    Builder build_;
    std::unique_ptr<Dialog> dialog_;
};

}  // namespace tarvik
