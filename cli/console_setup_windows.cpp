// SPDX-License-Identifier: MIT
#include "console_setup.h"

#include "wide_text_windows.h"

#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

namespace {

// The length of the longest start of text that ends on a whole UTF-8 character: a
// character split between two writes is held back until its last byte comes.
std::size_t wholeCharacters(std::string_view text)
{
    // Look back over at most three continuation bytes for the lead byte.
    for (std::size_t back = 1; back <= std::min<std::size_t>(4, text.size()); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? text.size() - back : text.size();
    }
    return text.size();
}

// Writes a stream's UTF-8 text to a console as UTF-16, so that it shows the same
// characters whatever the console's code page. Unbuffered: every write reaches the
// console at once, so output and error messages keep their order.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : m_console(console) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        m_pending.append(text, static_cast<std::size_t>(count));
        const std::size_t whole = wholeCharacters(m_pending);
        const std::wstring wide = toWide(std::string_view(m_pending).substr(0, whole));
        m_pending.erase(0, whole);
        DWORD written = 0;
        if (!wide.empty() && !WriteConsoleW(m_console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr))
            return 0;
        return count;
    }

private:
    HANDLE m_console;
    std::string m_pending;
};

// Sends stream's output to the console through a ConsoleBuffer when handle is a
// console; gives the buffer back at exit, before the streams' final flush.
class ConsoleStream {
public:
    ConsoleStream(std::ostream &stream, DWORD handle) : m_stream(stream)
    {
        const HANDLE console = GetStdHandle(handle);
        DWORD mode = 0;
        if (console != INVALID_HANDLE_VALUE && console != nullptr && GetConsoleMode(console, &mode)) {
            m_buffer = std::make_unique<ConsoleBuffer>(console);
            m_original = stream.rdbuf(m_buffer.get());
        }
    }
    ~ConsoleStream()
    {
        if (m_buffer) {
            m_stream.flush();
            m_stream.rdbuf(m_original);
        }
    }
    ConsoleStream(const ConsoleStream &) = delete;
    ConsoleStream &operator=(const ConsoleStream &) = delete;

private:
    std::ostream &m_stream;
    std::unique_ptr<ConsoleBuffer> m_buffer;
    std::streambuf *m_original = nullptr;
};

} // namespace

void setUpConsole(int &argc, char **&argv)
{
    // Bytes in and out unchanged: no "\r\n" for "\n", and Ctrl-Z is a byte like any other.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    static const ConsoleStream out(std::cout, STD_OUTPUT_HANDLE);
    static const ConsoleStream err(std::cerr, STD_ERROR_HANDLE);

    // The arguments as typed, in UTF-8, rather than squeezed into the ANSI code page.
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> wide(CommandLineToArgvW(GetCommandLineW(), &count), LocalFree);
    if (!wide)
        return;
    static std::vector<std::string> arguments;
    static std::vector<char *> pointers;
    for (int i = 0; i < count; ++i)
        arguments.push_back(toUtf8(wide.get()[i]));
    for (std::string &argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    argc = count;
    argv = pointers.data();
}

} // namespace quantora
