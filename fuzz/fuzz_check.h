// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: a broken invariant aborts, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace kavrel::fuzz {

// Reads the input a byte at a time; past its end every byte reads as 0.
class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : m_data(data), m_size(size) {}
    unsigned char Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // What is left, as text.
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(m_data) + m_pos, m_size - m_pos};
    }

private:
    const unsigned char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace kavrel::fuzz
