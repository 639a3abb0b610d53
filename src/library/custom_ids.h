#pragma once

class ProfileFile;

// The id counters of the custom catalogue in "setup.ini", section "zdy": the last id
// handed out for categories (MAXC), sub-categories (MAXX) and products (MAXP), each
// 100000 while none is stored.
class CustomIds {
public:
    enum Counter { Category, SubCategory, Product };

    explicit CustomIds(ProfileFile& setup) : setup_(setup) {}

    int last(Counter counter) const;
    // The counter plus one, written back before the caller stores the record. An id
    // already in use (`highestInUse`, e.g. after "setup.ini" was replaced) is never handed
    // out again: the count then goes on from there.
    int take(Counter counter, int highestInUse);

private:
    ProfileFile& setup_;
};
