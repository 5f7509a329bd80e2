// The compressor finds, at every position, the longest match within the last
// 4,095 bytes, then chooses literals and matches by a shortest-path parse: a
// literal costs 9 bits and a match 17 whatever its length, so knowing each
// position's longest match is enough to find the smallest encoding.
#include "szdd.h"

#include <cstring>

namespace {

// Farthest distance used. A match 4,096 back would be valid for a decoder that
// reads a byte before it overwrites it, but a decoder that takes the distance
// modulo the ring size would see 0; one byte of reach is not worth that risk.
const size_t max_distance = SZDD_RING_SIZE - 1;
// The ring's initial spaces stand before the input, so a match may use them.
const size_t space_prefix = SZDD_RING_SIZE;
const size_t block_size = 1 << 16; // positions parsed together
const int hash_bits = 15;

const unsigned literal_bits = 9;
const unsigned match_bits = 17;

// Positions of the window in binary trees ordered by the (at most 18) bytes
// that start there, one tree per hash of the first three bytes. Inserting a
// position walks its tree from the newest node, which yields the longest match
// on the way, and makes the new position the root. Nodes that fall out of the
// window are cut off by their distance. The trees only steer the search: every
// reported match is a real comparison of the bytes.
class MatchFinder {
public:
    explicit MatchFinder(const std::vector<unsigned char>& text)
        : text_(text), root_(size_t(1) << hash_bits, empty), children_(2 * SZDD_RING_SIZE, empty)
    {
    }

    // Inserts `at` and returns its longest match (0 below three bytes) with the
    // source in *from.
    size_t insert(size_t at, size_t* from)
    {
        const size_t remaining = text_.size() - at;
        if (remaining < SZDD_MIN_MATCH)
            return 0;
        const size_t limit = remaining < size_t(SZDD_MAX_MATCH) ? remaining : size_t(SZDD_MAX_MATCH);
        const unsigned char* here = text_.data() + at;
        uint32_t& root = root_[hash(here)];
        uint32_t node = root;
        root = static_cast<uint32_t>(at);

        uint32_t* smaller_slot = &children_[2 * slot(at)];    // left child of the new node
        uint32_t* greater_slot = &children_[2 * slot(at) + 1]; // right child
        size_t smaller_length = 0, greater_length = 0, best = 0;
        for (int steps = max_steps;; --steps) {
            if (node == empty || at - node > max_distance || steps == 0) {
                *smaller_slot = *greater_slot = empty;
                break;
            }
            uint32_t* pair = &children_[2 * slot(node)];
            const unsigned char* there = text_.data() + node;
            size_t length = smaller_length < greater_length ? smaller_length : greater_length;
            while (length < limit && there[length] == here[length])
                ++length;
            if (length > best) {
                best = length;
                *from = node;
            }
            if (length == limit) {
                // Same string: the new node takes the old one's place.
                *smaller_slot = pair[0];
                *greater_slot = pair[1];
                break;
            }
            if (there[length] < here[length]) {
                *smaller_slot = node;
                smaller_slot = &pair[1];
                node = pair[1];
                smaller_length = length;
            } else {
                *greater_slot = node;
                greater_slot = &pair[0];
                node = pair[0];
                greater_length = length;
            }
        }
        return best >= SZDD_MIN_MATCH ? best : 0;
    }

private:
    static constexpr uint32_t empty = UINT32_MAX;
    // Bounds the walk in degenerate trees; ordinary text never reaches it.
    static constexpr int max_steps = 256;

    static size_t slot(size_t position) { return position & (SZDD_RING_SIZE - 1); }

    static unsigned hash(const unsigned char* p)
    {
        uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                     static_cast<uint32_t>(p[2]) << 16;
        return (v * 2654435761u) >> (32 - hash_bits);
    }

    const std::vector<unsigned char>& text_;
    std::vector<uint32_t> root_;
    std::vector<uint32_t> children_; // smaller and greater child, by position modulo the ring
};

class ItemWriter {
public:
    explicit ItemWriter(std::vector<unsigned char>* out) : out_(out) {}

    void literal(unsigned char c)
    {
        flag(true);
        out_->push_back(c);
    }

    void match(unsigned ring_position, size_t length)
    {
        flag(false);
        out_->push_back(static_cast<unsigned char>(ring_position & 0xFF));
        out_->push_back(static_cast<unsigned char>((ring_position >> 4 & 0xF0) |
                                                   (length - SZDD_MIN_MATCH)));
    }

private:
    void flag(bool set)
    {
        if (count_ == 8) {
            flags_at_ = out_->size();
            out_->push_back(0);
            count_ = 0;
        }
        if (set)
            (*out_)[flags_at_] |= static_cast<unsigned char>(1u << count_);
        ++count_;
    }

    std::vector<unsigned char>* out_;
    size_t flags_at_ = 0;
    int count_ = 8;
};

void write_header(uint64_t size, char name_char, std::vector<unsigned char>* out)
{
    out->assign(SZDD_MAGIC, SZDD_MAGIC + sizeof SZDD_MAGIC);
    out->push_back('A');
    out->push_back(static_cast<unsigned char>(name_char));
    for (int i = 0; i < 4; ++i)
        out->push_back(static_cast<unsigned char>(size >> (8 * i)));
}

} // namespace

void szdd_compress(const unsigned char* bytes, size_t size, char name_char,
                   std::vector<unsigned char>* out)
{
    write_header(size, name_char, out);
    if (size == 0)
        return;
    out->reserve(SZDD_HEADER_SIZE + size + size / 8 + 16);

    std::vector<unsigned char> text(space_prefix + size);
    memset(text.data(), ' ', space_prefix);
    memcpy(text.data() + space_prefix, bytes, size);
    MatchFinder finder(text);
    // A tree keeps only the newest of equal strings, so the spaces' last
    // positions give the same matches as all of them.
    size_t unused;
    for (size_t at = space_prefix - SZDD_MAX_MATCH - 1; at < space_prefix; ++at)
        finder.insert(at, &unused);

    ItemWriter writer(out);
    const size_t parsed = size < block_size ? size : block_size;
    std::vector<unsigned char> longest(parsed);
    std::vector<uint32_t> source(parsed);
    std::vector<uint32_t> cost(parsed + 1);
    std::vector<unsigned char> step(parsed);

    for (size_t start = space_prefix; start < text.size(); start += block_size) {
        const size_t count = text.size() - start < block_size ? text.size() - start : block_size;
        // Matches stay inside the block so that each block is parsed alone.
        for (size_t i = 0; i < count; ++i) {
            size_t from = 0;
            size_t length = finder.insert(start + i, &from);
            if (length > count - i)
                length = count - i; // a shorter piece of the same match
            longest[i] = static_cast<unsigned char>(length < SZDD_MIN_MATCH ? 0 : length);
            source[i] = static_cast<uint32_t>(from);
        }
        cost[count] = 0;
        for (size_t i = count; i-- > 0;) {
            cost[i] = cost[i + 1] + literal_bits;
            step[i] = 1;
            for (size_t length = SZDD_MIN_MATCH; length <= longest[i]; ++length) {
                uint32_t with_match = cost[i + length] + match_bits;
                if (with_match < cost[i]) {
                    cost[i] = with_match;
                    step[i] = static_cast<unsigned char>(length);
                }
            }
        }
        for (size_t i = 0; i < count; i += step[i]) {
            if (step[i] == 1) {
                writer.literal(text[start + i]);
            } else {
                // Text position p lies at ring position 4,080 + (p - prefix).
                unsigned ring_position = static_cast<unsigned>(
                    (source[i] - space_prefix + SZDD_RING_START) & (SZDD_RING_SIZE - 1));
                writer.match(ring_position, step[i]);
            }
        }
    }
}
