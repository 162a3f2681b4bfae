// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/descriptor_stream.h"

#include <cerrno>
#include <unistd.h>

namespace kavrel::cli {

DescriptorOutput::DescriptorOutput(int fd) : m_fd(fd) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

DescriptorOutput::~DescriptorOutput() {
    Drain();
}

bool DescriptorOutput::Drain() {
    const char* next = pbase();
    while (next < pptr() && m_error == 0) {
        ssize_t written = ::write(m_fd, next, static_cast<size_t>(pptr() - next));
        if (written > 0)
            next += written;
        else if (written == 0 || errno != EINTR)
            m_error = written == 0 ? EIO : errno;
    }
    // What could not be written is dropped: the stream has failed for good.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int DescriptorOutput::sync() {
    return Drain() ? 0 : -1;
}

DescriptorInput::int_type DescriptorInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    while (m_error == 0) {
        ssize_t got = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (got > 0) {
            setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
            return traits_type::to_int_type(*gptr());
        }
        if (got == 0) break;
        if (errno != EINTR) m_error = errno;
    }
    return traits_type::eof();
}

} // namespace kavrel::cli
