// Fuzz target: the interactive host's session (tools/tolvik_host) with the
// plugin linked in, over a folder tree held in memory. The input is a
// sequence of the host's inputs (key words with any modifiers, raw key
// codes, Ctrl down and up, idle ticks, terminal sizes from 1x1 to 400x200,
// mouse reports and other terminal bytes through the key decoder) and of
// panel commands besides the panel keys (folder changes, folders removed
// under the panels and planted again). One session for the whole run: each
// input starts the plugin, plays on the panels (and a terminal) as the reset
// after the last input left them, and ends with ExitFAR.
//
// After every step the session drew, it fails on a host fault; on a screen
// of another size than the terminal's; on a frame that writes outside the
// terminal or does not reproduce the screen; and, from the minimum size on,
// on a dialog that leaves the screen above the status row, or a screen whose
// last two rows are not the status row and a key bar. At the end, every
// dialog must close (Ctrl up, Esc), and ExitFAR must leave no plugin block.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/host.h"
#include "host_rows.h"
#include "host_texts.h"
#include "key_decoder.h"
#include "key_script.h"
#include "options.h"
#include "registry/registry.h"
#include "render.h"
#include "require.h"
#include "session.h"
#include "support/test_tree.h"
#include "walk/linked_plugin.h"
#include "walk/walk_tree.h"

namespace {

using namespace tolvik;
using tools::script_step;

// Keys the host and the plugin know, and a few they do not; prefixes give
// the modifiers.
const char* const key_words[] = {
    "Enter", "Esc",  "Tab",  "Space", "BSpace", "Up",  "Down", "Left",    "Right",     "Home",
    "End",   "PgUp", "PgDn", "Ins",   "Del",    "F1",  "F2",   "F3",      "F4",        "F5",
    "F6",    "F7",   "F8",   "F9",    "F10",    "F11", "F12",  "WheelUp", "WheelDown", "a",
    "s",     "r",    "v",    "t",     "q",      "i",   "p",    "R",       "L",         "T",
    "Q",     "+",    "-",    "1",     "2",      "3",   "4",    "`",       "~",         "x",
};
const char* const prefixes[] = {"", "", "", "C-", "S-", "A-", "C-S-", "Ctrl+", "C-A-"};

test::test_tree& tree() {
    static test::test_tree* memory = new test::test_tree(test::test_tree::in_memory);  // for the whole run
    return *memory;
}

const emu::memory_folders& planted() {
    static const emu::memory_folders copy = [] {
        test::plant_tree(tree());
        return *tree().memory();
    }();
    return copy;
}

// The session of the whole run: the English texts, the plugin attached, the
// panels reading the tree in memory, calls not logged (nothing reads them).
tools::session& shared_session() {
    static tools::session* made = [] {
        planted();
        tools::options o;
        std::string lang = TOLVIK_LANG_DIR;
        o.left = o.right = "/";
        o.language = lang + "/tolvik_en.lng";
        o.help = lang + "/tolvik_en.hlf";
        o.host_texts = {lang + "/host_en.txt"};
        o.script = true;
        auto* s = new tools::session(o);  // lives as long as the process
        s->host().attach(test::linked_exports());
        std::string error;
        if (!s->start(error)) fuzz::fail("the session did not start: " + error);
        s->host().exit_far();
        s->host().use_folders(tree().memory());
        s->host().log().set_recording(false);
        return s;
    }();
    return *made;
}

// A glyph of up to 3 UTF-8 bytes packed with its length into one number;
// 0 is a cell no frame wrote.
using glyph = uint32_t;
glyph packed(const std::string& bytes, size_t at, size_t length) {
    glyph g = static_cast<glyph>(length) << 24;
    for (size_t i = 0; i < length; ++i)
        g |= static_cast<glyph>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return g;
}

// The terminal as the frames leave it: one glyph per cell.
class terminal_model {
public:
    // Applies `frame`; false with `why` when it moves or writes outside a
    // terminal of `width` x `height`.
    bool apply(const std::string& frame, int width, int height, std::string& why) {
        if (width != width_ || height != height_) {
            cells_.assign(static_cast<size_t>(width) * height, 0);
            width_ = width;
            height_ = height;
        }
        written_.clear();
        int row = -1;
        glyph* row_start = nullptr;  // the cells of `row`, the next one to write
        glyph* next = nullptr;
        const auto* bytes = reinterpret_cast<const unsigned char*>(frame.data());
        size_t at = 0;
        while (at < frame.size()) {
            if (bytes[at] == 0x1b) {
                size_t end = frame.find_first_of("mHJ", at);
                if (frame.compare(at, 2, "\x1b[") != 0 || end == std::string::npos) {
                    why = "an escape sequence the renderer does not write";
                    return false;
                }
                if (frame[end] == 'H') {
                    row = std::atoi(frame.c_str() + at + 2) - 1;
                    if (row < 0 || row >= height) {
                        why = "the cursor moved to row " + std::to_string(row + 1) + " of " +
                              std::to_string(height);
                        return false;
                    }
                    row_start = next = cells_.data() + static_cast<size_t>(row) * width;
                    written_.push_back(row);
                }
                at = end + 1;
                continue;
            }
            size_t length = 1;
            unsigned char lead = bytes[at];
            if (lead >= 0xE0)
                length = 3;
            else if (lead >= 0xC0)
                length = 2;
            length = std::min(length, frame.size() - at);
            if (row < 0 || next - row_start >= width) {
                why = "a glyph written at column " + std::to_string(row < 0 ? 1 : next - row_start + 1) +
                      " of row " + std::to_string(row + 1) + " on a terminal of " + std::to_string(width) +
                      " columns";
                return false;
            }
            glyph g = static_cast<glyph>(length) << 24 | lead;
            if (length > 1) g |= static_cast<glyph>(bytes[at + 1]) << 8;
            if (length > 2) g |= static_cast<glyph>(bytes[at + 2]) << 16;
            *next++ = g;
            at += length;
        }
        return true;
    }
    // The first cell that differs from `display`, or -1: in the rows the
    // last frame wrote, or (`all_rows`) anywhere.
    long differs(const emu::screen& display, bool all_rows) const {
        static const std::vector<glyph> glyphs = [] {
            std::vector<glyph> table;
            for (int byte = 0; byte < 256; ++byte) {
                std::string bytes = tools::to_utf8(static_cast<unsigned char>(byte), tools::code_page::cp850);
                table.push_back(packed(bytes, 0, bytes.size()));
            }
            return table;
        }();
        auto row_differs = [&](int y) -> long {
            const glyph* row = &cells_[static_cast<size_t>(y) * width_];
            std::string_view shown = display.row_cells(y);
            for (int x = 0; x < width_; ++x)
                if (row[x] != glyphs[static_cast<unsigned char>(shown[static_cast<size_t>(x) * 2])])
                    return static_cast<long>(y) * width_ + x;
            return -1;
        };
        if (all_rows) {
            for (int y = 0; y < height_; ++y)
                if (long cell = row_differs(y); cell >= 0) return cell;
        } else {
            for (int y : written_)
                if (long cell = row_differs(y); cell >= 0) return cell;
        }
        return -1;
    }

private:
    std::vector<glyph> cells_;
    std::vector<int> written_;  // rows of the last frame
    int width_ = 0;
    int height_ = 0;
};

// The key bars the host may show, drawn on a row of `width` columns: text
// and attribute pairs per cell, as emu::screen::row_cells() gives them.
const std::vector<std::string>& key_bar_rows(int width) {
    static std::map<int, std::vector<std::string>> drawn;
    auto found = drawn.find(width);
    if (found != drawn.end()) return found->second;
    std::vector<std::string> rows;
    for (size_t which = 0; which < tools::key_bar_count; ++which) {
        emu::screen row(width, 1);
        tools::draw_key_bar(row, 0, static_cast<tools::key_bar>(which));
        rows.emplace_back(row.row_cells(0));
    }
    return drawn.emplace(width, std::move(rows)).first->second;
}

// One input's steps and the checks between them.
class driver {
public:
    driver(tools::session& s, FuzzedDataProvider& in) : host_(s.host()), in_(in) {}

    bool next(script_step& step) {
        if (first_) {
            // Every input starts on an 80x25 terminal.
            first_ = false;
            return resize(step, 80, 25);
        }
        check();
        last_was_resize_ = false;
        while (in_.remaining_bytes() > 0) {
            switch (in_.ConsumeIntegralInRange(0, 17)) {
                case 0:
                case 1:
                case 2:
                case 3:
                case 4:
                case 5:
                    if (key_word(step)) return true;
                    break;
                case 6:
                    step = {script_step::kind::key, in_.ConsumeIntegral<int32_t>()};
                    return true;
                case 7:
                    step.what = script_step::kind::ctrl_down;
                    return true;
                case 8:
                    step.what = script_step::kind::ctrl_up;
                    return true;
                case 9:
                    step.what = script_step::kind::idle;
                    return true;
                case 10:
                    // Any size now and then; mostly sizes around the minimum
                    // and common terminals, whose screens draw faster.
                    switch (in_.ConsumeIntegralInRange(0, 7)) {
                        case 0:
                            return resize(step, in_.ConsumeIntegralInRange(1, 400),
                                          in_.ConsumeIntegralInRange(1, 200));
                        case 1:
                            return resize(step,
                                          tools::min_screen_width - 1 + in_.ConsumeIntegralInRange(0, 2),
                                          tools::min_screen_height - 1 + in_.ConsumeIntegralInRange(0, 2));
                        default:
                            return resize(step, in_.ConsumeIntegralInRange(40, 132),
                                          in_.ConsumeIntegralInRange(10, 50));
                    }
                case 11:
                    terminal_bytes();
                    break;
                case 12:
                    // A folder change of either panel, with no dialog open
                    // (a host moves its panels only then).
                    if (host_.dialogs().open_count() == 0) {
                        emu::panel_model& panel =
                            in_.ConsumeBool() ? host_.panels().active() : host_.panels().passive();
                        panel.set_directory(tree().windows(folder()));
                    }
                    break;
                case 13:
                    // A folder removed under the panels (its subfolders with it).
                    tree().remove(folder());
                    break;
                case 14:
                    test::plant_tree(tree());
                    break;
                case 15:
                    host_.panels().refresh();
                    break;
                default:
                    // A click, single or double, on any cell or just off the screen.
                    step = {};
                    step.what = script_step::kind::click;
                    step.x = in_.ConsumeIntegralInRange(-1, width_);
                    step.y = in_.ConsumeIntegralInRange(-1, height_);
                    step.twice = in_.ConsumeBool();
                    return true;
            }
            if (!queued_.empty()) return take(step);
        }
        if (!queued_.empty()) return take(step);
        return close(step);
    }

private:
    bool take(script_step& step) {
        step = queued_.front();
        queued_.erase(queued_.begin());
        return true;
    }

    bool resize(script_step& step, int width, int height) {
        step = {script_step::kind::resize, 0, width, height};
        width_ = width;
        height_ = height;
        last_was_resize_ = true;
        return true;
    }

    const std::string& folder() {
        const auto& folders = test::walk_folders();
        return folders[in_.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)];
    }

    bool key_word(script_step& step) {
        std::string word = std::string(in_.PickValueInArray(prefixes)) + in_.PickValueInArray(key_words);
        std::vector<script_step> steps;
        std::string error;
        if (!tools::parse_key_script(word, steps, error))
            fuzz::fail("the key word " + word + " is refused: " + error);
        if (steps.size() != 1 || steps[0].what != script_step::kind::key)
            fuzz::fail("the key word " + word + " is not one key");
        step = steps[0];
        return true;
    }

    // Mouse reports (SGR and the older three bytes) or any bytes, decoded by
    // the host's key decoder into the events the session queues.
    void terminal_bytes() {
        std::string bytes;
        switch (in_.ConsumeIntegralInRange(0, 2)) {
            case 0:
                bytes = "\x1b[<" + std::to_string(in_.ConsumeIntegralInRange(0, 130)) + ";" +
                        std::to_string(in_.ConsumeIntegralInRange(0, 500)) + ";" +
                        std::to_string(in_.ConsumeIntegralInRange(0, 300)) + (in_.ConsumeBool() ? "M" : "m");
                break;
            case 1:
                bytes = "\x1b[M";
                for (int i = 0; i < 3; ++i) bytes += static_cast<char>(in_.ConsumeIntegral<uint8_t>());
                break;
            default:
                bytes = in_.ConsumeRandomLengthString(16);
                break;
        }
        std::vector<tools::terminal_event> events;
        decoder_.feed(bytes, events);
        decoder_.flush(events);
        for (const tools::terminal_event& e : events) {
            switch (e.what) {
                case tools::terminal_event::kind::key:
                    queued_.push_back({script_step::kind::key, e.code});
                    break;
                case tools::terminal_event::kind::ctrl_down:
                    queued_.push_back({script_step::kind::ctrl_down});
                    break;
                case tools::terminal_event::kind::ctrl_up:
                    queued_.push_back({script_step::kind::ctrl_up});
                    break;
                case tools::terminal_event::kind::click: {
                    script_step click;
                    click.what = script_step::kind::click;
                    click.x = e.x;
                    click.y = e.y;
                    queued_.push_back(click);
                    break;
                }
                default:
                    break;
            }
        }
    }

    // The input has ended: the screen of the start, Ctrl up and
    // an idle tick (a list opened with Ctrl held commits), then Esc until
    // no dialog is open. A dialog still open after that many steps fails.
    bool close(script_step& step) {
        if (++closing_ > 64) {
            if (host_.dialogs().open_count() != 0) fuzz::fail("a dialog stays open after Ctrl up and Esc");
            return false;
        }
        // Back to 80x25: keys wait on a smaller screen, and the next input
        // starts from the same frame (and as many heap blocks) as this one.
        if (width_ != 80 || height_ != 25) return resize(step, 80, 25);
        if (host_.key_held(virtual_key_control)) {
            step.what = script_step::kind::ctrl_up;
            idle_next_ = true;
            return true;
        }
        if (idle_next_) {
            idle_next_ = false;
            step.what = script_step::kind::idle;
            return true;
        }
        if (host_.dialogs().open_count() == 0) return false;
        step = {script_step::kind::key, tools::keys::esc};
        return true;
    }

    // What the screen must show after the session drew it.
    void check() {
        if (!host_.failures().empty()) fuzz::fail("host fault: " + host_.report());
        const emu::screen& display = host_.screen();
        if (display.width() != width_ || display.height() != height_)
            fuzz::fail("a screen of " + std::to_string(display.width()) + "x" +
                       std::to_string(display.height()) + " on a terminal of " + std::to_string(width_) +
                       "x" + std::to_string(height_));
        if (last_was_resize_) return;  // not drawn since the resize
        std::string why;
        if (!terminal_.apply(renderer_.frame(display), width_, height_, why)) fuzz::fail("the frame: " + why);
        // The rows the frame wrote after every step, the whole terminal at
        // the input's end: a row the renderer wrongly left alone stays wrong.
        long cell = terminal_.differs(display, in_.remaining_bytes() == 0);
        if (cell >= 0)
            fuzz::fail("the terminal differs from the screen at row " + std::to_string(cell / width_ + 1) +
                       ", column " + std::to_string(cell % width_ + 1));
        if (width_ < tools::min_screen_width || height_ < tools::min_screen_height) return;
        for (size_t d = 0; d < host_.dialogs().open_count(); ++d) {
            const emu::open_dialog& open = host_.dialogs().open(d);
            if (open.left < 0 || open.top < 0 || open.left + open.width > width_ ||
                open.top + open.height > height_ - 2)
                fuzz::fail("the dialog '" + open.title() + "' at " + std::to_string(open.left) + "," +
                           std::to_string(open.top) + " size " + std::to_string(open.width) + "x" +
                           std::to_string(open.height) + " leaves the screen of " + std::to_string(width_) +
                           "x" + std::to_string(height_) + " above the status row\n" + display.dump());
        }
        std::string_view bar = display.row_cells(height_ - 1);
        bool known = false;
        for (const std::string& row : key_bar_rows(width_)) known = known || row == bar;
        if (!known) fuzz::fail("the last row is no key bar:\n" + display.dump());
        std::string status = " " + host_.panels().active().directory();
        for (int x = 0; x < width_ && x < static_cast<int>(status.size()); ++x)
            if (display.char_at(x, height_ - 2) != status[static_cast<size_t>(x)])
                fuzz::fail("the status row does not show the active panel's folder " + status + ":\n" +
                           display.dump());
    }

    emu::host& host_;
    FuzzedDataProvider& in_;
    tools::key_decoder decoder_;
    std::vector<script_step> queued_;
    int width_ = 80;
    int height_ = 25;
    bool first_ = true;
    bool last_was_resize_ = false;
    bool idle_next_ = false;
    int closing_ = 0;
    // The terminal's view of the frames, through an input: the renderer
    // sends only the rows that changed since its last frame.
    static tools::renderer renderer_;
    static terminal_model terminal_;

public:
    // A new terminal for the next input: its first frame draws every row.
    static void new_terminal() {
        renderer_.invalidate();
        terminal_ = terminal_model();
    }
};

tools::renderer driver::renderer_;
terminal_model driver::terminal_;

// Puts the host back as the run began (before the first input and after
// each), and the terminal with it: no faults or dialog records, the tree
// as planted, both panels new on folders "a" and "b".
void reset(emu::host& h) {
    h.clear_failures();
    h.dialogs().clear_records();
    h.input().clear();
    h.release_startup_records();
    h.set_key_held(virtual_key_control, false);
    if (tree().memory()->changes() != planted().changes()) *tree().memory() = planted();
    h.panels() = emu::panel_pair();
    // The panels read through the host's barred folders, over the tree.
    h.panels().read_from(h.barred());
    h.barred().free_all();
    h.panels().left().set_directory(tree().windows("a"));
    h.panels().right().set_directory(tree().windows("b"));
    driver::new_terminal();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tools::session& s = shared_session();
    emu::host& h = s.host();
    static bool first = true;
    if (first) reset(h);
    first = false;
    memory::fail_allocation(0);
    long blocks_before = test::plugin_blocks();
    FuzzedDataProvider in(data, size);
    driver d(s, in);
    h.set_startup_info();
    s.play([&d](script_step& step) { return d.next(step); });
    if (!h.failures().empty()) fuzz::fail("host fault: " + h.report());
    if (h.dialogs().open_count() != 0) fuzz::fail("a dialog is still open after the input");
    std::string left = test::shut_down(h, blocks_before);
    fuzz::require(left.empty(), left.c_str());
    // Reset here rather than at the next input's start, so that an input
    // leaves as many heap blocks as it found: libFuzzer runs an input again
    // for a leak check whenever it ends with more allocations than frees.
    reset(h);
    return 0;
}
