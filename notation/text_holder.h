// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tamsel {

// A text box as the notations see it: text is appended at its end, its
// last character can be removed, and it can be emptied. Appending keeps
// whatever else the box holds (earlier lines, text the user typed).
class TextHolder {
public:
    virtual ~TextHolder() = default;
    virtual void Append(std::string_view text) = 0;
    // Removes the last character; returns false when the text is empty.
    virtual bool DropLastChar() = 0;
    virtual void Clear() = 0;
};

// A text holder on a plain string (UTF-8).
class StringTextHolder : public TextHolder {
public:
    explicit StringTextHolder(std::string text = {}) : text_(std::move(text)) {}
    void Append(std::string_view text) override { text_ += text; }
    bool DropLastChar() override;
    void Clear() override { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace tamsel
