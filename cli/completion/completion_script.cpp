// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/completion/completion_script.h"

#include "cli/command_line/option_table.h"

namespace tamsel {

namespace {

constexpr const char* kHeader = "# Completion for tamsel-cli, made from its option table when it was built.\n";

bool Completed(const OptionRow& row) { return row.longName != "--"; }

bool TakesFile(const OptionRow& row) { return row.valueName == "DATEI"; }

// The help of an option on one line.
std::string HelpLine(const OptionRow& row) {
    std::string line = row.help;
    for (char& c : line) c = c == '\n' ? ' ' : c;
    return line;
}

// `text` with every character of `special` preceded by a backslash, and
// each ' written as `quote`.
std::string Escaped(const std::string& text, std::string_view special, std::string_view quote) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\'') {
            escaped += quote;
            continue;
        }
        if (special.find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string BashScript() {
    std::string words;
    std::string valued;
    for (const OptionRow& row : OptionTable()) {
        if (!Completed(row)) continue;
        words += (words.empty() ? "" : " ") + row.longName;
        if (row.shortName != 0) words += std::string(" -") + row.shortName;
        if (!row.valueName.empty() && !TakesFile(row)) valued += (valued.empty() ? "" : "|") + row.longName;
    }
    return std::string(kHeader) +
           "_tamsel_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} i\n"
           "    case $prev in\n"
           "        --svg) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "        " +
           valued +
           ") COMPREPLY=(); return ;;\n"
           "    esac\n"
           "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
           "        [[ ${COMP_WORDS[i]} == -- ]] && { COMPREPLY=($(compgen -f -- \"$cur\")); return; }\n"
           "    done\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W '" +
           words +
           "' -- \"$cur\"))\n"
           "    else\n"
           "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "    fi\n"
           "}\n"
           "complete -o filenames -F _tamsel_cli tamsel-cli\n";
}

std::string ZshScript() {
    std::string script = std::string("#compdef tamsel-cli\n") + kHeader + "_arguments -s -S \\\n";
    for (const OptionRow& row : OptionTable()) {
        if (!Completed(row)) continue;
        // Inside single quotes, where only ' itself needs a word of its own.
        const std::string help = "[" + Escaped(HelpLine(row), "[]\\", "'\\''") + "]";
        std::string value;
        if (!row.valueName.empty()) value = "=" + help + ":" + row.valueName + ":" + (TakesFile(row) ? "_files" : "");
        if (row.shortName != 0) {
            const std::string shortName = std::string("-") + row.shortName;
            script += "  '(" + shortName + " " + row.longName + ")'{" + shortName + "," + row.longName + "}'" + help +
                      "' \\\n";
        } else {
            script += "  '" + row.longName + (value.empty() ? help : value) + "' \\\n";
        }
    }
    return script + "  '*:Zahl oder Datei:_files'\n";
}

std::string FishScript() {
    std::string script = kHeader;
    for (const OptionRow& row : OptionTable()) {
        if (!Completed(row)) continue;
        script += "complete -c tamsel-cli";
        if (row.shortName != 0) script += std::string(" -s ") + row.shortName;
        script += " -l " + row.longName.substr(2);
        if (!row.valueName.empty()) script += TakesFile(row) ? " -r -F" : " -x";
        script += " -d '" + Escaped(HelpLine(row), "\\", "\\'") + "'\n";
    }
    return script;
}

}  // namespace

std::optional<Shell> ShellNamed(std::string_view name) {
    if (name == "bash") return Shell::Bash;
    if (name == "zsh") return Shell::Zsh;
    if (name == "fish") return Shell::Fish;
    return std::nullopt;
}

std::string CompletionScript(Shell shell) {
    switch (shell) {
        case Shell::Bash: return BashScript();
        case Shell::Zsh: return ZshScript();
        case Shell::Fish: return FishScript();
    }
    return "";
}

}  // namespace tamsel
