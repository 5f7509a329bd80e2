#include "pages/page_rules.h"

#include <cstdio>
#include <cstring>

namespace {

int same_without_case(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return 0;
    }
    return *a == *b;
}

const unsigned long long KB_LIMIT = 10240; // above it, megabytes are shown

} // namespace

void version_text(int version, char* dest, size_t size)
{
    if (version < 0)
        version = 0;
    snprintf(dest, size, "V %d.%02d", version / 100, version % 100);
}

int preselected_language(const char* entries, const char* wanted)
{
    int chosen = 0, index = 0;
    for (const char* entry = entries; *entry; entry += strlen(entry) + 1, ++index)
        if (same_without_case(entry, wanted))
            chosen = index;
    return chosen;
}

void space_text(unsigned long long free_kb, unsigned long long required_kb, char* dest,
                size_t size)
{
    char free_part[32], required_part[32];
    if (free_kb <= KB_LIMIT)
        snprintf(free_part, sizeof free_part, "(%llu KB/", free_kb);
    else
        snprintf(free_part, sizeof free_part, "(%llu MB/", free_kb / 1024);
    if (required_kb <= KB_LIMIT)
        snprintf(required_part, sizeof required_part, "%llu KB)", required_kb);
    else
        snprintf(required_part, sizeof required_part, "%llu MB)", required_kb / 1024);
    snprintf(dest, size, "%s%s", free_part, required_part);
}

int path_is_allowed(const char* text)
{
    return strpbrk(text, "*?/\"") == NULL;
}

int scan_products(int (*has_value)(int number, void* context), void* context,
                  unsigned char* products, int capacity)
{
    int count = 0;
    while (count < capacity && has_value(count, context)) {
        products[count] = static_cast<unsigned char>(count);
        ++count;
    }
    return count;
}

int chosen_from_selection(const int* selected, int count, unsigned char* chosen, int capacity)
{
    int taken = 0;
    // Positions are small (the list holds at most 40 products): walk them in order.
    for (int position = 0; position < 256 && taken < capacity; ++position)
        for (int i = 0; i < count; ++i)
            if (selected[i] == position) {
                chosen[taken++] = static_cast<unsigned char>(position);
                break;
            }
    return taken;
}
