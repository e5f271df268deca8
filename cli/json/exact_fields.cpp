// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json/exact_fields.h"

#include <array>

#include "cli/command_line/messages.h"

namespace tamsel {

namespace {

constexpr std::array<const char*, kExactFieldCount> kKeys = {
    "line", "exact",       "inputs", "quotients",       "period", "periodStart", "periodLength", "steps",
    "end",  "convergents", "errors", "semiconvergents", "best",   "digits",      "trace",
};

std::string KeyList() {
    std::string keys;
    for (const char* key : kKeys) keys += (keys.empty() ? "" : ", ") + std::string(key);
    return keys;
}

}  // namespace

const char* FieldKey(ExactField field) { return kKeys[static_cast<std::size_t>(field)]; }

FieldSet FieldSet::Default(bool withTrace) {
    FieldSet set;
    for (std::size_t i = 0; i < kExactFieldCount; ++i) {
        const auto field = static_cast<ExactField>(i);
        if (field == ExactField::Line || (field == ExactField::Trace && !withTrace)) continue;
        if (field >= ExactField::Errors && field <= ExactField::Digits) continue;
        set.Add(field);
    }
    return set;
}

std::optional<FieldSet> ReadFieldList(std::string_view list, std::string& error) {
    FieldSet set;
    for (;;) {
        const std::size_t comma = list.find(',');
        const std::string_view key = list.substr(0, comma);
        std::size_t i = 0;
        while (i < kKeys.size() && key != kKeys[i]) ++i;
        if (i == kKeys.size()) {
            error = "--fields kennt kein Feld " + QuotedForMessage(key) + " (möglich: " + KeyList() + ")";
            return std::nullopt;
        }
        set.Add(static_cast<ExactField>(i));
        if (comma == std::string_view::npos) return set;
        list.remove_prefix(comma + 1);
    }
}

}  // namespace tamsel
