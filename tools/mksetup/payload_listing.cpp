#include "payload_listing.h"

#include <cstring>

#include "config/payload_format.h"
#include "szdd.h"

namespace {

struct MemorySource {
    const unsigned char* bytes;
    size_t size;
    size_t at;
};

size_t read_memory(void* context, unsigned char* dest, size_t count)
{
    MemorySource* source = static_cast<MemorySource*>(context);
    size_t left = source->size - source->at;
    if (count > left)
        count = left;
    if (count > 0)
        memcpy(dest, source->bytes + source->at, count);
    source->at += count;
    return count;
}

uint32_t read_u32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool same_name(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if ((x >= 'A' && x <= 'Z' ? x + 32 : x) != (y >= 'A' && y <= 'Z' ? y + 32 : y))
            return false;
    }
    return true;
}

// Why the scan stopped with a damaged directory, from where its window stands.
std::string describe_damage(const MarkerWindow& window, const PayloadDirectory& directory)
{
    unsigned char pattern[PAYLOAD_MARKER_SIZE];
    payload_marker(pattern);
    const bool at_marker = window.count >= PAYLOAD_MARKER_SIZE &&
                           memcmp(window.bytes, pattern, PAYLOAD_MARKER_SIZE) == 0;
    const std::string offset = std::to_string(window.file_offset);
    if (!at_marker)
        return "the records end without a closing record";
    if (window.count < 40)
        return "the record at offset " + offset + " is cut short by the end of the file";
    if (window.file_offset > UINT32_MAX - PAYLOAD_HEADER_SIZE)
        return "a record lies beyond 4 GiB (offset " + offset + ")";
    uint32_t type = read_u32(window.bytes + 16);
    if (type == PAYLOAD_TYPE_MEMBER && directory.count == PAYLOAD_MAX_MEMBERS)
        return "more than " + std::to_string(int(PAYLOAD_MAX_MEMBERS)) + " members";
    return "the record at offset " + offset + " has the unknown type " + std::to_string(type);
}

} // namespace

void list_payload(const unsigned char* bytes, size_t size, PayloadListing* listing)
{
    MemorySource memory = {bytes, size, 0};
    ByteSource source = {&memory, read_memory};
    std::vector<unsigned char> window_bytes(PAYLOAD_WINDOW_SIZE);
    MarkerWindow window;
    marker_window_init(&window, window_bytes.data(), &source);
    PayloadDirectory directory;
    int result = payload_scan_records(&window, &directory);

    *listing = PayloadListing();
    listing->has_records = directory.first_record_offset >= 0;
    listing->first_record_offset =
        listing->has_records ? static_cast<uint64_t>(directory.first_record_offset) : 0;
    for (int i = 0; i < directory.count; ++i) {
        const PayloadEntry& entry = directory.entries[i];
        ListedMember member;
        member.name = entry.name;
        member.stored_size = entry.stored_size;
        member.expanded_size = entry.expanded_size;
        member.data_offset = entry.data_offset;
        member.compressed = entry.data_offset <= size &&
                            szdd_has_magic(bytes + entry.data_offset, size - entry.data_offset);
        listing->members.push_back(member);
    }
    if (result != 0)
        listing->fault = describe_damage(window, directory);
    else if (listing->has_records) {
        listing->closed = true;
        listing->closing_offset = window.file_offset;
    }
}

std::vector<std::string> verify_payload(const unsigned char* bytes, size_t size,
                                        const PayloadListing& listing)
{
    std::vector<std::string> problems;
    if (!listing.has_records)
        problems.push_back("no payload records");
    if (!listing.fault.empty())
        problems.push_back(listing.fault);
    for (size_t i = 0; i < listing.members.size(); ++i) {
        const ListedMember& member = listing.members[i];
        const std::string what = "member " + member.name + ": ";
        // The member's data ends where the next record begins.
        uint64_t next_record = i + 1 < listing.members.size()
                                   ? listing.members[i + 1].data_offset - uint64_t(PAYLOAD_HEADER_SIZE)
                                   : listing.closed ? listing.closing_offset : size;
        uint64_t data_end = uint64_t(member.data_offset) + member.stored_size;
        for (size_t j = 0; j < i; ++j)
            if (same_name(listing.members[j].name, member.name))
                problems.push_back(what + "the name is given twice; only the first is used");
        if (member.stored_size == 0) {
            problems.push_back(what + "empty; it is taken as missing");
            continue;
        }
        if (data_end > size) {
            problems.push_back(what + "the data runs past the end of the file");
            continue;
        }
        if (data_end > next_record) {
            problems.push_back(what + "the data runs into the next record");
            continue;
        }
        std::vector<unsigned char> expanded;
        std::string error;
        if (!szdd_expand(bytes + member.data_offset, member.stored_size, &expanded, &error))
            problems.push_back(what + error);
        else if (expanded.size() != member.expanded_size)
            problems.push_back(what + "expands to " + std::to_string(expanded.size()) +
                               " bytes, the record says " + std::to_string(member.expanded_size));
    }
    return problems;
}
