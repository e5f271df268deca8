// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tamsel {

// A text box as the bracket notation sees it: text is appended at its end,
// and its last character can be removed. The box keeps whatever else it
// holds (earlier lines, text the user typed).
class TextHolder {
public:
    virtual ~TextHolder() = default;
    virtual void Append(std::string_view text) = 0;
    // Removes the last character; returns false when the text is empty.
    virtual bool DropLastChar() = 0;
};

// A text holder on a plain string (UTF-8).
class StringTextHolder : public TextHolder {
public:
    explicit StringTextHolder(std::string text = {}) : text_(std::move(text)) {}
    void Append(std::string_view text) override { text_ += text; }
    bool DropLastChar() override;
    const std::string& Text() const { return text_; }
    void Clear() { text_.clear(); }

private:
    std::string text_;
};

}  // namespace tamsel
