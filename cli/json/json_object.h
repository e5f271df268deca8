// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "cli/json/json_text.h"

namespace tamsel {

// Writes one JSON object on one line: "key": before each value its field set
// keeps, with the comma between them; with a file named, the object starts
// with "file": its name.
template <class Fields, class Field>
class JsonObject {
public:
    using KeyName = const char* (*)(Field);

    JsonObject(std::ostream& out, const Fields& fields, KeyName keyName, const std::string* file)
        : out_(out), fields_(fields), keyName_(keyName) {
        out_ << '{';
        if (file != nullptr) {
            out_ << "\"file\":" << JsonString(*file);
            first_ = false;
        }
    }

    // Whether `field` is kept; if so its key is written and its value is next.
    bool Key(Field field) {
        if (!fields_.Has(field)) return false;
        out_ << (first_ ? "\"" : ",\"") << keyName_(field) << "\":";
        first_ = false;
        return true;
    }

    void Close() { out_ << "}\n"; }

private:
    std::ostream& out_;
    const Fields& fields_;
    KeyName keyName_;
    bool first_ = true;
};

}  // namespace tamsel
