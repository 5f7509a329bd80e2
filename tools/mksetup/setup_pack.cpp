#include "setup_pack.h"

#include <algorithm>
#include <cstring>

#include "config/payload_format.h"
#include "payload_listing.h"
#include "szdd.h"

namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return text;
}

bool holds_marker(const std::vector<unsigned char>& bytes)
{
    return find_payload_marker(bytes.data(), bytes.size()) >= 0;
}

// Chooses what goes into the setup for one file: its stored bytes.
bool stored_form(const PackInput& input, std::vector<unsigned char>* stored,
                 PackedMember* member, std::string* error)
{
    const std::vector<unsigned char>& data = input.data;
    member->name = input.name;
    if (szdd_has_magic(data.data(), data.size())) {
        // Already compressed: the program expands it once, as it would from a disk.
        std::vector<unsigned char> expanded;
        std::string problem;
        if (!szdd_expand(data.data(), data.size(), &expanded, &problem)) {
            *error = input.name + " is a damaged compressed file: " + problem;
            return false;
        }
        *stored = data;
        member->expanded_size = static_cast<uint32_t>(expanded.size());
        member->compressed = true;
        if (holds_marker(*stored)) {
            *error = input.name + " holds the payload marker and cannot be stored";
            return false;
        }
        return true;
    }
    std::vector<unsigned char> compressed;
    szdd_compress(data.data(), data.size(), input.name.empty() ? 0 : input.name.back(),
                  &compressed);
    // An empty member would be taken as missing: an empty file is stored as a
    // compressed file of length 0.
    bool compress = data.empty() || compressed.size() < data.size();
    // The other form may do where the chosen one happens to hold the marker.
    for (int attempt = 0; attempt < 2; ++attempt, compress = !compress) {
        const std::vector<unsigned char>& form = compress ? compressed : data;
        if (form.empty() || holds_marker(form))
            continue;
        *stored = form;
        member->expanded_size = static_cast<uint32_t>(data.size());
        member->compressed = compress;
        return true;
    }
    *error = input.name + " holds the payload marker and cannot be stored";
    return false;
}

void append_record(std::vector<unsigned char>* out, uint32_t stored, uint32_t expanded,
                   uint32_t type, const char* name)
{
    unsigned char header[PAYLOAD_HEADER_SIZE];
    payload_write_header(header, stored, expanded, type, name);
    out->insert(out->end(), header, header + sizeof header);
}

} // namespace

long long find_payload_marker(const unsigned char* bytes, size_t size)
{
    unsigned char pattern[PAYLOAD_MARKER_SIZE];
    payload_marker(pattern);
    const unsigned char* end = bytes + size;
    const unsigned char* hit = std::search(bytes, end, pattern, pattern + PAYLOAD_MARKER_SIZE);
    return hit == end ? -1 : static_cast<long long>(hit - bytes);
}

std::string member_name_problem(const std::string& name)
{
    if (name.empty())
        return "a member name may not be empty";
    if (name.size() > PAYLOAD_NAME_SIZE - 1)
        return "member name " + name + " is longer than " +
               std::to_string(int(PAYLOAD_NAME_SIZE - 1)) + " characters";
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || strchr("\\/:*?\"<>|", c))
            return "member name " + name + " holds a character a file name may not hold";
    if (name == "." || name == "..")
        return "member name " + name + " is not a file name";
    return std::string();
}

bool pack_setup(const std::vector<unsigned char>& stub, const std::vector<PackInput>& inputs,
                std::vector<unsigned char>* out, std::vector<PackedMember>* members,
                std::string* error)
{
    if (inputs.size() > PAYLOAD_MAX_MEMBERS) {
        *error = std::to_string(inputs.size()) + " files given; a setup holds at most " +
                 std::to_string(int(PAYLOAD_MAX_MEMBERS));
        return false;
    }
    long long marker = find_payload_marker(stub.data(), stub.size());
    if (marker >= 0) {
        *error = "the stub already holds a payload record (offset " + std::to_string(marker) +
                 "); pack the setup program without members";
        return false;
    }
    for (size_t i = 0; i < inputs.size(); ++i) {
        std::string problem = member_name_problem(inputs[i].name);
        if (!problem.empty()) {
            *error = problem;
            return false;
        }
        for (size_t j = 0; j < i; ++j)
            if (lowered(inputs[j].name) == lowered(inputs[i].name)) {
                *error = "member names " + inputs[j].name + " and " + inputs[i].name +
                         " are the same to the setup program (case is not told apart)";
                return false;
            }
        if (inputs[i].data.size() > SZDD_MAX_INPUT) {
            *error = inputs[i].name + " is too large for a setup (4 GiB at most)";
            return false;
        }
    }

    std::vector<unsigned char> setup = stub;
    std::vector<PackedMember> packed;
    for (const PackInput& input : inputs) {
        std::vector<unsigned char> stored;
        PackedMember member;
        if (!stored_form(input, &stored, &member, error))
            return false;
        member.stored_size = static_cast<uint32_t>(stored.size());
        if (setup.size() + PAYLOAD_HEADER_SIZE + stored.size() > UINT32_MAX - PAYLOAD_HEADER_SIZE) {
            *error = "the setup would be larger than the 4 GiB its records can address";
            return false;
        }
        append_record(&setup, member.stored_size, member.expanded_size, PAYLOAD_TYPE_MEMBER,
                      input.name.c_str());
        setup.insert(setup.end(), stored.begin(), stored.end());
        packed.push_back(member);
    }
    append_record(&setup, 0, 0, PAYLOAD_TYPE_END, "");

    // Read it back as the program will; anything else is a fault of this tool.
    PayloadListing listing;
    list_payload(setup.data(), setup.size(), &listing);
    bool same = listing.fault.empty() && listing.members.size() == packed.size();
    for (size_t i = 0; same && i < packed.size(); ++i)
        same = listing.members[i].name == packed[i].name &&
               listing.members[i].stored_size == packed[i].stored_size &&
               listing.members[i].expanded_size == packed[i].expanded_size;
    if (!same || !verify_payload(setup.data(), setup.size(), listing).empty()) {
        *error = "the packed setup does not read back as written (internal fault)";
        return false;
    }
    out->swap(setup);
    if (members)
        *members = packed;
    return true;
}
