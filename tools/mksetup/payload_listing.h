// What a setup executable carries, seen the way the setup program sees it:
// the same record scan over the file's bytes, then checks of each member.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ListedMember {
    std::string name;
    uint32_t stored_size;
    uint32_t expanded_size;
    uint32_t data_offset;
    bool compressed; // the data begins with the compressed-file magic
};

struct PayloadListing {
    std::vector<ListedMember> members;
    bool has_records;          // at least one marker was found
    bool closed;               // the directory ends with its closing record
    uint64_t first_record_offset;
    uint64_t closing_offset;   // where the closing record starts, when closed
    std::string fault;         // why the program would refuse the file; empty when it reads it
};

// Scans bytes as the setup program scans its own executable.
void list_payload(const unsigned char* bytes, size_t size, PayloadListing* listing);

// Everything the program would trip over once it reads the members: data
// running past the file or into the next record, empty members (taken as
// missing), names given twice, compressed data that does not expand to the
// recorded size. Returns one line per problem; none when the payload is whole.
std::vector<std::string> verify_payload(const unsigned char* bytes, size_t size,
                                        const PayloadListing& listing);
