#include "terminal.h"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tolvik::tools {
namespace {

// State the signal handlers read: plain statics, written before the handlers
// are installed and only read (with async-signal-safe calls) inside them.
termios saved_modes;
volatile sig_atomic_t modes_saved = 0;
volatile sig_atomic_t size_changed = 0;
char restore_bytes[64] = "";
volatile sig_atomic_t restore_length = 0;

// Leaving: mouse reports off (SGR encoding, button events), colours reset,
// the cursor shown, the normal screen back.
#define TOLVIK_RESTORE_MODES "\x1b[?1006l\x1b[?1000l\x1b[0m\x1b[?25h\x1b[?1049l"

constexpr int fatal_signals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTERM, SIGHUP, SIGINT, SIGQUIT};
struct sigaction previous_actions[sizeof fatal_signals / sizeof fatal_signals[0]];

void set_restore_bytes(const char* text) {
    restore_length = 0;
    std::strncpy(restore_bytes, text, sizeof restore_bytes - 1);
    restore_bytes[sizeof restore_bytes - 1] = 0;
    restore_length = static_cast<sig_atomic_t>(std::strlen(restore_bytes));
}

void restore_now() {
    if (!modes_saved) return;
    if (restore_length > 0) {
        ssize_t ignored = ::write(STDOUT_FILENO, restore_bytes, static_cast<size_t>(restore_length));
        (void)ignored;
    }
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_modes);
    modes_saved = 0;
}

void on_fatal_signal(int sig, siginfo_t* info, void*) {
    restore_now();
    for (size_t i = 0; i < sizeof fatal_signals / sizeof fatal_signals[0]; ++i)
        if (fatal_signals[i] == sig) sigaction(sig, &previous_actions[i], nullptr);
    // A real fault returns to the faulting instruction, which faults again
    // into the previous handler; a signal that was sent is sent again.
    bool fault = sig == SIGSEGV || sig == SIGBUS || sig == SIGFPE || sig == SIGILL;
    // Should raising fail, the handler returns and the process goes on dying.
    if (!fault || !info || info->si_code <= 0) (void)raise(sig);
}

void on_resize(int) { size_changed = 1; }

void restore_at_exit() { restore_now(); }

}  // namespace

bool terminal::open() {
    if (open_) return true;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return false;
    if (tcgetattr(STDIN_FILENO, &saved_modes) != 0) return false;
    set_restore_bytes(TOLVIK_RESTORE_MODES);
    modes_saved = 1;

    static bool handlers_installed = false;
    if (!handlers_installed) {
        handlers_installed = true;
        // Should registering fail, close() and the signal handlers still
        // restore the modes.
        (void)std::atexit(restore_at_exit);
        struct sigaction fatal {};
        fatal.sa_sigaction = on_fatal_signal;
        fatal.sa_flags = SA_SIGINFO;
        sigemptyset(&fatal.sa_mask);
        for (size_t i = 0; i < sizeof fatal_signals / sizeof fatal_signals[0]; ++i)
            sigaction(fatal_signals[i], &fatal, &previous_actions[i]);
        struct sigaction resize {};
        resize.sa_handler = on_resize;
        sigemptyset(&resize.sa_mask);
        sigaction(SIGWINCH, &resize, nullptr);
    }

    termios raw = saved_modes;
    raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
    raw.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    raw.c_cflag |= CS8;
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
    open_ = true;
    // The alternate screen, no cursor, and mouse reports of the buttons and
    // the wheel in the SGR encoding.
    write("\x1b[?1049h\x1b[?25l\x1b[?1000h\x1b[?1006h\x1b[2J");
    return true;
}

void terminal::push_key_flags(int flags) {
    if (!open_) return;
    write("\x1b[>" + std::to_string(flags) + "u");
    set_restore_bytes("\x1b[<u" TOLVIK_RESTORE_MODES);
}

void terminal::close() {
    if (!open_) return;
    open_ = false;
    restore_now();
}

void terminal::size(int& width, int& height) const {
    winsize ws{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0) {
        width = ws.ws_col;
        height = ws.ws_row;
        return;
    }
    width = 80;
    height = 25;
}

bool terminal::resized() {
    if (!size_changed) return false;
    size_changed = 0;
    return true;
}

std::string terminal::read(int timeout_ms, bool& closed) {
    closed = false;
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    int ready = poll(&fd, 1, timeout_ms);
    if (ready <= 0) return {};  // timeout, or a signal (a resize) woke us
    char buffer[256];
    ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
        closed = true;
        return {};
    }
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

void terminal::write(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

}  // namespace tolvik::tools
