// The GUI driver's scripts: one step a line (or a ';' between steps on the
// command line), words split at blanks, "double quotes" around a word with
// blanks (\", \\, \r and \n inside); a comment starts with '#' as the line's first
// word or as a word of its own. Pure.
#pragma once
#include <string>
#include <vector>

struct DriverStep {
    int line;
    std::string command;
    std::vector<std::string> words; // the arguments
};

// Parses text into steps and checks every command and its number of
// arguments. Returns false with a message naming the line when it cannot.
bool parse_driver_script(const std::string& text, std::vector<DriverStep>* steps,
                         std::string* error);

// "12" -> 12; false for anything that is not a whole decimal number.
bool driver_number(const std::string& word, long* value);
