// The controlling terminal in raw mode: reading bytes with a timeout, writing
// frames, following its size. Whatever happens to the process (normal exit,
// a fatal signal, a crash), the terminal gets its modes back: the saved line
// discipline, the normal screen, a visible cursor, mouse reports off and the
// keyboard protocol popped when it was pushed.
#pragma once

#include <string>
#include <string_view>

namespace tolvik::tools {

class terminal {
public:
    terminal() = default;
    ~terminal() { close(); }
    terminal(const terminal&) = delete;
    terminal& operator=(const terminal&) = delete;

    // Raw mode on standard input, the alternate screen, a hidden cursor and
    // mouse reports (SGR) on standard output. False (with nothing changed) when either is no
    // terminal.
    bool open();
    // Gives the terminal its modes back; harmless when not open.
    void close();
    bool is_open() const { return open_; }

    // Asks for the progressive keyboard protocol with the given flags; close()
    // (and a fatal signal) pops it again.
    void push_key_flags(int flags);

    // Columns and rows; 80x25 when the terminal does not say.
    void size(int& width, int& height) const;
    // True once after each change of size.
    bool resized();

    // Waits at most `timeout_ms` for input and returns what arrived (empty on
    // timeout). Sets `closed` when input has ended.
    std::string read(int timeout_ms, bool& closed);
    void write(std::string_view bytes);

private:
    bool open_ = false;
};

}  // namespace tolvik::tools
