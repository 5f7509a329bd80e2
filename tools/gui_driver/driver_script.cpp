#include "driver_script.h"

#include <cstdlib>

namespace {

struct CommandShape {
    const char* name;
    int min_words, max_words;
};

// wait CLASS TITLE [MS]; "*" matches any class or title. start PROGRAM [ARGUMENTS].
const CommandShape commands[] = {
    {"wait", 2, 3},           {"gone", 0, 1},           {"click", 1, 1},
    {"type", 2, 2},           {"select", 2, 2},         {"check", 2, 2},
    {"key", 1, 1},            {"expect-text", 2, 2},    {"expect-visible", 2, 2},
    {"expect-enabled", 2, 2}, {"expect-checked", 2, 2}, {"expect-list", 2, 2},
    {"expect-box", 2, 2},     {"answer", 1, 1},         {"screenshot", 1, 1},
    {"sleep", 1, 1},          {"start", 1, 16},         {"expect-exit", 1, 2},
    {"expect-buttons", 1, 1}, {"expect-icon", 1, 1},     {"wait-visible", 2, 3},
    {"wait-enabled", 2, 3},   {"expect-text-has", 2, 2},
    {"wait-text", 2, 3},
};

const CommandShape* find_command(const std::string& name)
{
    for (const CommandShape& shape : commands)
        if (name == shape.name)
            return &shape;
    return nullptr;
}

// Splits one line; false when a quote is not closed.
bool split_words(const std::string& line, std::vector<std::string>* words)
{
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        // A comment: '#' as the first word, or as a word of its own ("#32770"
        // is a window class, not a comment).
        if (line[i] == '#' && (words->empty() || i + 1 == line.size() || line[i + 1] == ' ' ||
                               line[i + 1] == '\t'))
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size() &&
                    (line[i + 1] == '"' || line[i + 1] == '\\' || line[i + 1] == 'r' || line[i + 1] == 'n')) {
                    word += line[i + 1] == 'r' ? '\r' : line[i + 1] == 'n' ? '\n' : line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    word += line[i++];
                }
            }
            if (!closed)
                return false;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

} // namespace

bool driver_number(const std::string& word, long* value)
{
    if (word.empty() || word.size() > 9)
        return false;
    size_t start = word[0] == '-' ? 1 : 0;
    if (start == word.size())
        return false;
    for (size_t i = start; i < word.size(); ++i)
        if (word[i] < '0' || word[i] > '9')
            return false;
    *value = strtol(word.c_str(), nullptr, 10);
    return true;
}

namespace {

// '#' at i begins a comment: the step's first word, or a word of its own.
bool starts_comment(const std::string& text, size_t i, const std::string& line)
{
    const bool word_start = line.find_first_not_of(" \t\r") == std::string::npos ||
                            line.back() == ' ' || line.back() == '\t';
    const bool word_end = i + 1 >= text.size() || text[i + 1] == ' ' || text[i + 1] == '\t' ||
                          text[i + 1] == '\r' || text[i + 1] == '\n';
    return line.find_first_not_of(" \t\r") == std::string::npos || (word_start && word_end);
}

bool parse_line(const std::string& line, int line_number, std::vector<DriverStep>* steps,
                std::string* error)
{
    const std::string where = "line " + std::to_string(line_number) + ": ";
    std::vector<std::string> words;
    if (!split_words(line, &words)) {
        *error = where + "a quote is not closed";
        return false;
    }
    if (words.empty())
        return true;
    const CommandShape* shape = find_command(words[0]);
    if (!shape) {
        *error = where + "unknown command \"" + words[0] + "\"";
        return false;
    }
    const int count = static_cast<int>(words.size()) - 1;
    if (count < shape->min_words || count > shape->max_words) {
        *error = where + words[0] + " takes " + std::to_string(shape->min_words) +
                 (shape->max_words != shape->min_words ? " to " + std::to_string(shape->max_words)
                                                       : std::string()) +
                 " arguments, not " + std::to_string(count);
        return false;
    }
    steps->push_back(DriverStep{line_number, words[0],
                                std::vector<std::string>(words.begin() + 1, words.end())});
    return true;
}

} // namespace

bool parse_driver_script(const std::string& text, std::vector<DriverStep>* steps,
                         std::string* error)
{
    steps->clear();
    int line_number = 1;
    std::string line;
    bool quoted = false, comment = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\n';
        // A comment runs to the end of its line, a ';' in it included.
        if (comment && c != '\n')
            continue;
        if (c == '#' && !quoted && starts_comment(text, i, line))
            comment = true;
        if (c == '\n')
            comment = false;
        if (c == '\n' || (c == ';' && !quoted)) {
            if (!parse_line(line, line_number, steps, error))
                return false;
            line.clear();
            quoted = false;
            if (c == '\n')
                ++line_number;
            continue;
        }
        if (c == '\\' && quoted && i + 1 < text.size()) {
            line += c;
            line += text[++i];
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        line += c;
    }
    return true;
}
