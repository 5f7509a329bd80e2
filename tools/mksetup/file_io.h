// Whole-file reading and writing for the tool. Output goes to a temporary
// file beside the target and is renamed into place only when complete.
#pragma once
#include <string>
#include <vector>

bool read_whole_file(const std::string& path, std::vector<unsigned char>* bytes,
                     std::string* error);

bool write_file_atomically(const std::string& path, const std::vector<unsigned char>& bytes,
                           std::string* error);

// The characters after the last slash (or backslash on Windows).
std::string base_name(const std::string& path);
