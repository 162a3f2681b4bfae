// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stream buffers straight over a file descriptor that remember why a read or a write failed,
// so that kavrel-calc can name the reason ("No space left on device") instead of exiting 0.

#include <array>
#include <streambuf>

namespace kavrel::cli {

class DescriptorOutput : public std::streambuf {
public:
    explicit DescriptorOutput(int fd);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    // The errno of the first failed write, 0 while every write succeeded.
    int Error() const { return m_error; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int m_fd;
    int m_error = 0;
    std::array<char, 65536> m_buffer;
};

class DescriptorInput : public std::streambuf {
public:
    explicit DescriptorInput(int fd) : m_fd(fd) {}

    // The errno of a failed read, 0 when the input simply ended.
    int Error() const { return m_error; }

protected:
    int_type underflow() override;

private:
    int m_fd;
    int m_error = 0;
    std::array<char, 65536> m_buffer;
};

} // namespace kavrel::cli
