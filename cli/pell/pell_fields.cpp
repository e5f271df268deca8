// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pell/pell_fields.h"

#include "cli/command_line/messages.h"

namespace tamsel {

namespace {

constexpr const char* kKeys[kPellFieldCount] = {
    "line",         "d",
    "periodLength", "pell",
    "negativePell", "unit",
    "regulator",    "periodLengthOrderD",
    "pellFour",     "negativePellFour",
    "unitOrderD",   "regulatorOrderD",
};

}  // namespace

const char* PellFieldKey(PellField field) { return kKeys[static_cast<unsigned>(field)]; }

std::optional<PellFields> ReadPellFieldList(const std::string& list, std::string& error) {
    PellFields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string key = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        unsigned i = 0;
        while (i < kPellFieldCount && key != kKeys[i]) ++i;
        if (i == kPellFieldCount) {
            std::string keys;
            for (const char* k : kKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
            error = "--fields kennt mit --pell kein Feld " + QuotedForMessage(key) + " (möglich: " + keys + ")";
            return std::nullopt;
        }
        fields.Add(static_cast<PellField>(i));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

PellFields PellSettings::Fields(bool batch) const {
    if (fields) return *fields;
    PellFields all = PellFields::All();
    if (!batch) all.Remove(PellField::Line);
    return all;
}

}  // namespace tamsel
