#include "editing.h"

#include <algorithm>

namespace smk {

namespace {
bool high(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool low(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

std::u16string_view EditBuffer::selectedText() const {
    return std::u16string_view(text_).substr(selectionStart(), selectionEnd() - selectionStart());
}

std::size_t EditBuffer::previous(std::size_t pos) const {
    if (pos == 0) return 0;
    --pos;
    if (pos > 0 && low(text_[pos]) && high(text_[pos - 1])) --pos;
    return pos;
}

std::size_t EditBuffer::next(std::size_t pos) const {
    if (pos >= text_.size()) return text_.size();
    ++pos;
    if (pos < text_.size() && low(text_[pos]) && high(text_[pos - 1])) ++pos;
    return pos;
}

bool EditBuffer::apply(std::size_t at, std::size_t removeCount, std::u16string_view insertText) {
    if (removeCount == 0 && insertText.empty()) return false;
    Edit e{at, text_.substr(at, removeCount), std::u16string(insertText), cursor_, anchor_};
    text_.replace(at, removeCount, insertText);
    cursor_ = anchor_ = at + insertText.size();
    if (e.removed == e.inserted) return false;
    undo_.push_back(std::move(e));
    redo_.clear();
    return true;
}

bool EditBuffer::insert(std::u16string_view s) {
    const std::size_t start = selectionStart();
    return apply(start, selectionEnd() - start, s);
}

bool EditBuffer::backspace() {
    if (hasSelection()) return insert(u"");
    const std::size_t from = previous(cursor_);
    return apply(from, cursor_ - from, u"");
}

bool EditBuffer::deleteForward() {
    if (hasSelection()) return insert(u"");
    return apply(cursor_, next(cursor_) - cursor_, u"");
}

bool EditBuffer::setText(std::u16string_view s) {
    selectAll();
    return insert(s);
}

bool EditBuffer::undo() {
    if (undo_.empty()) return false;
    Edit e = std::move(undo_.back());
    undo_.pop_back();
    text_.replace(e.at, e.inserted.size(), e.removed);
    cursor_ = e.cursorBefore;
    anchor_ = e.anchorBefore;
    redo_.push_back(std::move(e));
    return true;
}

bool EditBuffer::redo() {
    if (redo_.empty()) return false;
    Edit e = std::move(redo_.back());
    redo_.pop_back();
    text_.replace(e.at, e.removed.size(), e.inserted);
    cursor_ = anchor_ = e.at + e.inserted.size();
    undo_.push_back(std::move(e));
    return true;
}

void EditBuffer::moveTo(std::size_t pos, bool select) {
    pos = std::min(pos, text_.size());
    if (pos > 0 && pos < text_.size() && low(text_[pos]) && high(text_[pos - 1])) --pos;
    cursor_ = pos;
    if (!select) anchor_ = pos;
}

void EditBuffer::left(bool select) {
    if (hasSelection() && !select) return moveTo(selectionStart(), false);
    moveTo(previous(cursor_), select);
}

void EditBuffer::right(bool select) {
    if (hasSelection() && !select) return moveTo(selectionEnd(), false);
    moveTo(next(cursor_), select);
}

void EditBuffer::home(bool select) { moveTo(0, select); }
void EditBuffer::end(bool select) { moveTo(text_.size(), select); }

void EditBuffer::selectAll() {
    anchor_ = 0;
    cursor_ = text_.size();
}

void EditBuffer::setSelection(std::size_t start, std::size_t length) {
    anchor_ = std::min(start, text_.size());
    cursor_ = std::min(start + length, text_.size());
}

}  // namespace smk
