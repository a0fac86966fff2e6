// An open-addressing hash table from a text to one position in a list. It
// holds no copies of the texts: the caller's `text_at(position)` reads the
// text of an entry, so a table over 100,000 history lines costs one
// allocation and a few bytes per line, and probes stay in one array.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class TextPositions {
public:
    static constexpr uint32_t NONE = 0xFFFFFFFFu;

    void clear()
    {
        slots_.clear();
        used_ = 0;
    }

    // Room for n texts without growing (an empty table only).
    void reserve(size_t n)
    {
        size_t size = 16;
        while (size < n * 2)
            size *= 2;
        if (used_ == 0 && size > slots_.size())
            slots_.assign(size, EMPTY);
    }

    // The position stored for text, or NONE.
    template <typename TextAt>
    uint32_t find(std::string_view text, TextAt text_at) const
    {
        if (slots_.empty())
            return NONE;
        uint64_t h = hash(text);
        for (size_t i = h & mask(); ; i = (i + 1) & mask()) {
            uint64_t s = slots_[i];
            if (s == EMPTY)
                return NONE;
            if (s != GONE && (s >> 32) == (h >> 32) && text_at(uint32_t(s)) == text)
                return uint32_t(s);
        }
    }

    // Stores the position for a text that the table does not hold yet.
    template <typename TextAt>
    void insert(std::string_view text, uint32_t position, TextAt text_at)
    {
        if ((used_ + 1) * 2 > slots_.size())
            grow(text_at);
        place(hash(text), position);
    }

    // The position stored for text; when there is none, stores position for
    // it and returns NONE. One hash for the look-up and the insertion.
    template <typename TextAt>
    uint32_t find_or_insert(std::string_view text, uint32_t position, TextAt text_at)
    {
        if ((used_ + 1) * 2 > slots_.size())
            grow(text_at);
        uint64_t h = hash(text);
        size_t i = h & mask();
        for (;; i = (i + 1) & mask()) {
            uint64_t s = slots_[i];
            if (s == EMPTY)
                break;
            if (s != GONE && (s >> 32) == (h >> 32) && text_at(uint32_t(s)) == text)
                return uint32_t(s);
        }
        slots_[i] = ((h >> 32) << 32) | position;
        ++used_;
        return NONE;
    }

    // Replaces the position stored for text (which must be present); NONE
    // removes the text.
    template <typename TextAt>
    void update(std::string_view text, uint32_t position, TextAt text_at)
    {
        uint64_t h = hash(text);
        for (size_t i = h & mask(); ; i = (i + 1) & mask()) {
            uint64_t s = slots_[i];
            if (s == EMPTY)
                return;
            if (s != GONE && (s >> 32) == (h >> 32) && text_at(uint32_t(s)) == text) {
                slots_[i] = position == NONE ? GONE : ((h >> 32) << 32) | position;
                return;
            }
        }
    }

private:
    static constexpr uint64_t EMPTY = ~uint64_t(0);
    static constexpr uint64_t GONE = ~uint64_t(0) - 1;

    // The upper 32 bits of the hash are kept in the slot beside the position.
    static uint64_t hash(std::string_view text)
    {
        uint64_t h = std::hash<std::string_view>{}(text);
        return h ^ (h >> 29) ^ (uint64_t(text.size()) << 32);
    }
    size_t mask() const { return slots_.size() - 1; }

    void place(uint64_t h, uint32_t position)
    {
        size_t i = h & mask();
        while (slots_[i] != EMPTY)
            i = (i + 1) & mask();
        slots_[i] = ((h >> 32) << 32) | position;
        ++used_;
    }

    template <typename TextAt>
    void grow(TextAt text_at)
    {
        std::vector<uint64_t> old = std::move(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, EMPTY);
        used_ = 0;
        for (uint64_t s : old)
            if (s != EMPTY && s != GONE)
                place(hash(text_at(uint32_t(s))), uint32_t(s));
    }

    std::vector<uint64_t> slots_;  // EMPTY, GONE, or hash bits << 32 | position
    size_t used_ = 0;              // filled slots, removed ones included
};
