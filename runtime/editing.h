// The editing model of a text field: contents, cursor, selection, undo and redo. Independent of any
// toolkit and of the length of the text: every edit costs what it changes, not what the field holds,
// so a megabyte pasted into a field is taken at once and the next keystroke is as quick as the first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace smk {

class EditBuffer {
public:
    const std::u16string& text() const { return text_; }
    std::size_t cursor() const { return cursor_; }
    bool hasSelection() const { return anchor_ != cursor_; }
    std::size_t selectionStart() const { return anchor_ < cursor_ ? anchor_ : cursor_; }
    std::size_t selectionEnd() const { return anchor_ < cursor_ ? cursor_ : anchor_; }
    std::u16string_view selectedText() const;

    // Each edit returns true when the text changed.
    bool insert(std::u16string_view s);  // replaces the selection
    bool backspace();                     // the selection, or the character before the cursor
    bool deleteForward();                 // the selection, or the character after the cursor
    bool undo();
    bool redo();
    bool setText(std::u16string_view s);  // one edit replacing everything

    // Moving the cursor; with `select` the selection grows from its anchor.
    void left(bool select);
    void right(bool select);
    void home(bool select);
    void end(bool select);
    void moveTo(std::size_t pos, bool select);
    void selectAll();
    void setSelection(std::size_t start, std::size_t length);

private:
    struct Edit {
        std::size_t at;
        std::u16string removed, inserted;
        std::size_t cursorBefore, anchorBefore;
    };
    bool apply(std::size_t at, std::size_t removeCount, std::u16string_view insertText);
    std::size_t previous(std::size_t pos) const;  // one character back; a surrogate pair is one character
    std::size_t next(std::size_t pos) const;

    std::u16string text_;
    std::size_t cursor_ = 0, anchor_ = 0;
    std::vector<Edit> undo_, redo_;
};

}  // namespace smk
