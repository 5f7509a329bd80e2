// Builds a single-file setup: the setup program (the stub) with one payload
// record per file behind it and the closing record.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct PackInput {
    std::string name; // member name: the file's base name
    std::vector<unsigned char> data;
};

struct PackedMember {
    std::string name;
    uint32_t stored_size;
    uint32_t expanded_size;
    bool compressed;
};

// The reason a member name cannot be stored, or empty when it can: 1 to 19
// characters, none that a Windows file name may not hold.
std::string member_name_problem(const std::string& name);

// Writes the stub followed by the members into *out. Each member is stored
// compressed, or plain when compression would not make it smaller; a file
// already in the compressed format is stored as it is. Refuses (false, *error
// set, *out untouched) bad or repeated names, more members than the program
// reads, a stub that already holds the payload marker, a member that would
// hold it, and a setup larger than the record offsets can address.
bool pack_setup(const std::vector<unsigned char>& stub, const std::vector<PackInput>& inputs,
                std::vector<unsigned char>* out, std::vector<PackedMember>* members,
                std::string* error);

// The offset of the first payload marker in bytes, or -1.
long long find_payload_marker(const unsigned char* bytes, size_t size);
