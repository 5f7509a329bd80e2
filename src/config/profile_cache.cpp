#include "config/profile_cache.h"

#include <windows.h>

#include <cstring>

#include "base/text_buffer.h"
#include "config/file_image.h"
#include "config/profile_scan.h"

namespace {

struct ProfileSlot {
    char path[MAX_PATH * 2]; // empty when the slot is free
    int age;                 // 0 for the slot used last; -1 when free
    size_t length;           // bytes of the image that lookups scan
    HGLOBAL handle;
    unsigned char* data;
};

struct ProfileCache {
    ProfileSlot slots[PROFILE_SLOT_COUNT];
    int initialised;
};

ProfileCache profile_cache;

ProfileSlot* cache_slots()
{
    if (!profile_cache.initialised) {
        for (ProfileSlot& slot : profile_cache.slots) {
            slot.path[0] = '\0';
            slot.age = -1;
            slot.length = 0;
            slot.handle = NULL;
            slot.data = NULL;
        }
        profile_cache.initialised = 1;
    }
    return profile_cache.slots;
}

int choose_slot(ProfileSlot* slots)
{
    for (int i = 0; i < PROFILE_SLOT_COUNT; ++i)
        if (!slots[i].handle)
            return i;
    int oldest = 0;
    for (int i = 1; i < PROFILE_SLOT_COUNT; ++i)
        if (slots[i].age > slots[oldest].age)
            oldest = i;
    return oldest;
}

} // namespace

int profile_acquire(const char* path)
{
    ProfileSlot* slots = cache_slots();
    if (path[0] == '\0' || strlen(path) >= sizeof slots[0].path)
        return -1;
    for (int i = 0; i < PROFILE_SLOT_COUNT; ++i) {
        if (slots[i].handle && text_equal_nocase(slots[i].path, path)) {
            for (int j = 0; j < PROFILE_SLOT_COUNT; ++j)
                if (slots[j].handle)
                    ++slots[j].age;
            slots[i].age = 0;
            return i;
        }
    }

    const int chosen = choose_slot(slots);
    profile_release(chosen);

    long announced = read_file_image(path, NULL, 0);
    if (announced <= 0 || announced > PROFILE_MAX_IMAGE)
        return -1;
    const size_t size = static_cast<size_t>(announced);
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + 16);
    unsigned char* data = handle ? static_cast<unsigned char*>(GlobalLock(handle)) : NULL;
    long placed = data ? read_file_image(path, data, size) : 0;
    if (placed <= 0) {
        if (data)
            GlobalUnlock(handle);
        if (handle)
            GlobalFree(handle);
        return -1;
    }

    ProfileSlot& slot = slots[chosen];
    slot.handle = handle;
    slot.data = data;
    slot.length = static_cast<size_t>(placed); // a short read never exposes unread bytes
    slot.age = 0;
    text_copy(slot.path, sizeof slot.path, path);
    return chosen;
}

void profile_release(int slot_index)
{
    if (slot_index < 0 || slot_index >= PROFILE_SLOT_COUNT)
        return;
    ProfileSlot& slot = cache_slots()[slot_index];
    if (!slot.handle)
        return;
    GlobalUnlock(slot.handle);
    GlobalFree(slot.handle);
    slot.path[0] = '\0';
    slot.age = -1;
    slot.length = 0;
    slot.handle = NULL;
    slot.data = NULL;
}

void profile_release_all()
{
    for (int i = 0; i < PROFILE_SLOT_COUNT; ++i)
        profile_release(i);
}

int profile_get_string(const char* section, const char* key, const char* default_value,
                       char* dest, size_t size, const char* path)
{
    const int index = profile_acquire(path);
    if (index >= 0) {
        const ProfileSlot& slot = cache_slots()[index];
        int result = key ? profile_find_value(slot.data, slot.length, section, key, dest, size)
                         : profile_list_keys(slot.data, slot.length, section, dest, size);
        if (result >= 0)
            return result;
    }
    if (!default_value) {
        if (size > 0)
            dest[0] = '\0';
        return -1;
    }
    return static_cast<int>(text_copy(dest, size, default_value));
}

int profile_get_int(const char* section, const char* key, int default_value, const char* path)
{
    char value[20];
    if (profile_get_string(section, key, "", value, sizeof value, path) <= 0)
        return default_value;
    return profile_parse_int(value, default_value);
}
